#include "database/call_history.h"

#include "database/logbook_database.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

TEST(HistoryRecord, DateTimeBandModeAndQslForms) {
    struct Case {
        std::string_view record;
        LookupRow expected;
    };
    const Case cases[] = {
        {"<QSO_DATE:8:D>20020315<TIME_ON:4>1234<BAND:3>20M<MODE:2>CW<QSL_RCVD:1>Y<QSL_SENT:1>N<EOR>",
         {"2002-03-15", "12:34", "20", "CW", "Y/N"}},
        {"<QSO_DATE:8>20020315<TIME_ON:6>235959<BAND:4>160M<MODE:3>SSB<EOR>",
         {"2002-03-15", "23:59", "16", "SSB", ""}},
        {"<FREQ:5>1.830<MODE:2>SS<EOR>", {"", "", "160", "PH", ""}},
        {"<FREQ:5>1,830<MODE:2>RY<EOR>", {"", "", "160", "RY", ""}},
        {"<FREQ:6>18.068<MODE:2>BP<EOR>", {"", "", "18.068", "RY", ""}},
        {"<FREQ:6>28.025<MODE:2>PS<EOR>", {"", "", "10", "RY", ""}},
        {"<FREQ:6>29.600<EOR>", {"", "", "10", "", ""}},
        {"<FREQ:5>7.025<EOR>", {"", "", "40", "", ""}},
        {"<BAND:3>40M<FREQ:6>14.025<EOR>", {"", "", "40", "", ""}},  // BAND wins over FREQ
        {"<QSO_DATE:08>20020315<QSL_SENT:1>Y<EOR>",
         {"", "", "", "", "/Y"}},                          // a two-digit length is not read
        {"<QSO_DATE:8>2002", {"2002--", "", "", "", ""}},  // a record cut short
        {"<EOR>", {"", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        EXPECT_EQ(ParseHistoryRecord(c.record), c.expected);
    }
}

TEST(HistoryRecord, LookupFileLinesOfTenCharactersOrFewerAreSkipped) {
    const auto rows = HistoryRowsFromLookupFile(
        "UA1AAAAAAA\r\n<QSO_DATE:8>20020315<EOR>\r\n<MODE:2>CW\r\n<TIME_ON:4>0102<EOR>");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "2002-03-15");
    EXPECT_EQ(rows[1][1], "01:02");
    EXPECT_EQ(LookupViewRowCount(0), 7u);
    EXPECT_EQ(LookupViewRowCount(6), 7u);
    EXPECT_EQ(LookupViewRowCount(10), 11u);
}

TEST(LogbookMatches, OnlyWholeEntriesCount) {
    const std::string calls = LogbookEntry("UA1AAA") + LogbookEntry("UA1AA") + LogbookEntry("XUA1AA") +
                              LogbookEntry("UA1AA") + LogbookEntry("ABCDEFGHIJKL");
    EXPECT_EQ(ExactLogbookMatches(calls, "UA1AA"), (std::vector<std::size_t>{10, 30}));
    EXPECT_EQ(ExactLogbookMatches(calls, " UA1AA "), (std::vector<std::size_t>{10, 30}));
    EXPECT_EQ(ExactLogbookMatches(calls, "ABCDEFGHI"), (std::vector<std::size_t>{40}));
    EXPECT_EQ(ExactLogbookMatches(calls, "ABCDEFGHIJKL"), (std::vector<std::size_t>{}));
    EXPECT_EQ(ExactLogbookMatches(calls, ""), (std::vector<std::size_t>{}));
}

using LookupFileTest = testing::ProgramFolderFixture;

TEST_F(LookupFileTest, LongerCallIsNotPickedButStillWritesTheHeaderLine) {
    ProgramFolder folder(Folder());
    ASSERT_TRUE(AppendLogbookRecord(folder, "UA1AAA", "<QSO_DATE:8>20020315<EOR>"));
    ASSERT_TRUE(BuildLookupFile(folder, " UA1AA "));
    EXPECT_EQ(Read("database/LookUp.bdx"), "UA1AA\r\n");

    ASSERT_TRUE(AppendLogbookRecord(folder, "UA1AA", "  <QSO_DATE:8>20030101<EOR>  "));
    ASSERT_TRUE(BuildLookupFile(folder, "UA1AA"));
    EXPECT_EQ(Read("database/LookUp.bdx"), "UA1AA\r\n<QSO_DATE:8>20030101<EOR>\r\n");

    ASSERT_TRUE(BuildLookupFile(folder, "DL1AB"));
    EXPECT_EQ(Read("database/LookUp.bdx"), "");  // the call occurs nowhere: an empty file
}

TEST_F(LookupFileTest, MissingLogbookFilesAreCreatedEmpty) {
    std::filesystem::remove_all(PathOf("database"));
    ASSERT_TRUE(BuildLookupFile(ProgramFolder(Folder()), "UA1AA"));
    EXPECT_TRUE(std::filesystem::exists(PathOf("database/Logbook.idx")));
    EXPECT_TRUE(std::filesystem::exists(PathOf("database/Logbook.bdx")));
    EXPECT_EQ(Read("database/LookUp.bdx"), "");
}

}  // namespace
}  // namespace tallyhawk
