// The side file of exact frequencies: its record layout and the reading of a file changed by hand.
#include "log/contact_frequency_file.h"

#include <gtest/gtest.h>

#include "log/contest_log_writer.h"

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

std::string QsoLine(std::string_view call, std::string_view time, std::string_view band) {
    const QsoRecord qso{.call = std::string(call),
                        .date = "2002-02-16",
                        .time = std::string(time),
                        .band = std::string(band),
                        .mode = "CW",
                        .exchangeSent = "16",
                        .exchangeReceived = "14"};
    return FormatQsoLine(qso, "UA1AAA", "0") + "\r\n";
}

// The exports take a kept frequency only when its record is the contact's: a log changed by hand since
// the last reload gives the band's frequency, never another contact's.
TEST(ContactFrequencyRecord, ExportsTakeOnlyTheRecordsOfTheirContacts) {
    const std::string log = QsoLine("DL1AB", "1200", "20") + "QSO: unreadable\r\n" +
                            QsoLine("OK1XX", "1201", "20") + QsoLine("W1AW", "1202", "20") +
                            QsoLine("JA1XX", "1203", "40") + QsoLine("K3LR", "1204", "40") +
                            QsoLine("VK2XX", "1205", "40");
    ContestLogContacts read = ReadContestLogContacts(log);
    const std::vector<ContactFrequency> records = {
        {14'025'600, "DL1AB", "2002-02-16", "1200"},   // the contact's: taken
        {14'001'000, "XX1XX", "2002-02-16", "1300"},   // the unreadable line's: the count stays in step
        {14'030'000, "OK1XY", "2002-02-16", "1201"},   // another call
        {14'040'000, "W1AW", "2002-02-16", "1259"},    // another time
        {14'012'000, "JA1XX", "2002-02-16", "1203"},   // outside the contact's band
        {std::nullopt, "K3LR", "2002-02-16", "1204"},  // unknown; VK2XX has no record at all
    };
    AttachExactFrequencies(read.contacts, records);
    std::vector<std::pair<std::string, std::string>> frequencies;
    for (const auto& contact : read.contacts)
        frequencies.emplace_back(ContactFrequencyKhz(contact), ContactFrequencyMhz(contact));
    EXPECT_EQ(frequencies, (std::vector<std::pair<std::string, std::string>>{{"14026", "14.0256"},
                                                                             {"14000", "14.000"},
                                                                             {"14000", "14.000"},
                                                                             {"7000", "7.000"},
                                                                             {"7000", "7.000"},
                                                                             {"7000", "7.000"}}));
    ContestLogContact exact{.band = "160", .exactFrequency = 1'830'499};
    EXPECT_EQ(ContactFrequencyKhz(exact), "1830");
    EXPECT_EQ(ContactFrequencyMhz(exact), "1.830499");
    exact.exactFrequency = 28'000'000;
    EXPECT_EQ(ContactFrequencyMhz(exact), "28.000");
}

}  // namespace
}  // namespace tallyhawk
