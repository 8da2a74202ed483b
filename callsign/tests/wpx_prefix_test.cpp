// WPX prefixes of typed calls: the worked examples of every rule, odd bytes and odd lengths.
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
    };
    for (const auto& [call, prefix] : cases) {
        SCOPED_TRACE(call);
        EXPECT_EQ(WpxPrefix(call), prefix);
    }
}

TEST(WpxPrefix, TrimsWhiteSpaceAndKeepsCase) {
    const WpxCase cases[] = {
        {"", ""},          {"   ", ""},       {" \tDL1ABC \r\n", "DL1"},
        {"dl1abc", "dl1"}, {"w1abc/4", "w4"}, {"DL1ABC/ 2", " 2"},
        {"/", ""},         {"//", "//"},      {"/ABC", "ABC"},
        {"ABC/", "ABC"},   {"A/", "A0"},
    };
    for (const auto& [call, prefix] : cases) {
        SCOPED_TRACE(call);
        EXPECT_EQ(WpxPrefix(call), prefix);
    }
}

TEST(WpxPrefix, HighBytesCountAsDigits) {
    // 0xE4 stands where a digit would: "D\xE4L" reads like "D9L".
    EXPECT_EQ(WpxPrefix("D\xE4LABC"), "D\xE4");
    EXPECT_EQ(WpxPrefix("DL\xE4"
                        "ABC"),
              "DL\xE4");
    // The colon to "@" are neither letters nor digits.
    EXPECT_EQ(WpxPrefix("D:1ABC"), "");
}

TEST(WpxPrefix, NeverReadsBeyondAnyInput) {
    for (int byte = 0; byte < 256; ++byte) {
        for (std::size_t length = 1; length <= 9; ++length) {
            std::string call(length, static_cast<char>(byte));
            EXPECT_LE(WpxPrefix(call).size(), call.size());
            call[length / 2] = '/';
            EXPECT_LE(WpxPrefix(call).size(), call.size() + 1);
        }
    }
    const std::string longCall(100, 'W');
    EXPECT_EQ(WpxPrefix(longCall + "/" + longCall), "");
}

}  // namespace
}  // namespace tallyhawk
