// The side file of exact frequencies: its record layout and the reading of a file changed by hand.
#include "log/contact_frequency_file.h"

#include <gtest/gtest.h>

namespace tallyhawk {
namespace {

TEST(ContactFrequencyRecord, WritesFixedColumnsAndReadsThemBack) {
    const std::vector<std::pair<ContactFrequency, std::string>> cases = {
        {{14'025'000, "DL1ABC", "2002-02-16", "1234"}, "14025000    DL1ABC        2002-02-16 1234"},
        {{std::nullopt, "W1AW", "2002-02-16", "0000"}, "            W1AW          2002-02-16 0000"},
        {{1'830'500, "VERYLONGCALL1", "2002-02-16", "2359"}, "1830500     VERYLONGCALL1 2002-02-16 2359"},
    };
    for (const auto& [record, line] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(FormatFrequencyRecord(record), line);
        EXPECT_EQ(line.size(), kFrequencyRecordLength);
        EXPECT_EQ(ParseFrequencyRecord(line), record);
    }
    // Whatever a line holds, it is one record; a frequency that does not read is unknown.
    const auto records = ParseFrequencyFile("14025000x   DL1AB\n\r\n999999999999\r\n7000000");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_FALSE(records[0].hertz);
    EXPECT_EQ(records[0].call, "DL1AB");
    EXPECT_FALSE(records[1].hertz);
    EXPECT_FALSE(records[2].hertz);
    EXPECT_EQ(records[3].hertz, 7'000'000);
}

}  // namespace
}  // namespace tallyhawk
