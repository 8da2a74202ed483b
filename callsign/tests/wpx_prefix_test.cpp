// WPX prefixes of typed calls: the worked examples of every rule and odd forms (the call fuzz target
// feeds every byte and length).
#include "callsign/wpx_prefix.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyhawk {
namespace {

struct WpxCase {
    const char* call;
    const char* prefix;
};

TEST(WpxPrefix, FollowsEveryWorkedExample) {
    const WpxCase cases[] = {
        {"W1ABC", "W1"},        {"DL1ABC", "DL1"},     {"UA9ABC", "UA9"},     {"9A1ABC", "9A1"},
        {"4U1ABC", "4U1"},      {"T77ABC", "T77"},     {"S21ABC", "S21"},     {"VP2EAB", "VP2"},
        {"DL10AB", "DL10"},     {"4X10AB", "4X10"},    {"DL100AB", "DL100"},  {"3DA0ABC", ""},
        {"AB", "AB"},           {"DL1ABC/P", "DL1"},   {"DL1ABC/M", "DL1"},   {"DL1ABC/A", "DL1"},
        {"DL1ABC/MM", "DL1"},   {"DL1ABC/QRP", "DL1"}, {"DL1ABC/F", "F0"},    {"DL1ABC/AM", "AM0"},
        {"DL1ABC/9A", "9A0"},   {"DL1ABC/W3", "W3"},   {"G3ABC/EA8", "EA8"},  {"G3ABC/VP2E", "VP2E"},
        {"G3ABC/3DA0", "3DA0"}, {"W1ABC/4", "W4"},     {"DL1ABC/2", "DL2"},   {"3DA0AB/1", "1"},
        {"F/G3ABC", "F0"},      {"EA/G3ABC", "EA0"},   {"W3/G3ABC", "W3"},    {"EA8/G3ABC", "EA8"},
        {"VP2E/G3ABC", "VP2E"}, {"W1AB/P", "W1AB"},    {"3DA0/ZS1X", "ZS1X"}, {"W1/G3ABC/P", "W1"},
        // White space is trimmed, case kept, odd slashes read as they fall.
        {"", ""},          {"   ", ""},       {" \tDL1ABC \r\n", "DL1"}, {"dl1abc", "dl1"}, {"w1abc/4", "w4"},
        {"DL1ABC/ 2", " 2"}, {"/", ""},       {"//", "//"},           {"/ABC", "ABC"},   {"ABC/", "ABC"},
        {"A/", "A0"},
        // High bytes stand where a digit would; the colon to "@" are neither letters nor digits.
        {"D\xE4LABC", "D\xE4"}, {"DL\xE4" "ABC", "DL\xE4"}, {"D:1ABC", ""},
    };
    for (const auto& [call, prefix] : cases) {
        SCOPED_TRACE(call);
        EXPECT_EQ(WpxPrefix(call), prefix);
    }
    const std::string longCall(100, 'W');
    EXPECT_EQ(WpxPrefix(longCall + "/" + longCall), "");
}

}  // namespace
}  // namespace tallyhawk
