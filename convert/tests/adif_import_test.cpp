#include "convert/adif_import.h"

#include "database/logbook_database.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

TEST(LogbookLine, CallCutOutOfTheUpperCasedLine) {
    const struct {
        std::string_view line;
        std::string call;     // "-" when the line is not imported
        std::string record;
    } cases[] = {
        {"<CALL:6>UA9XXX<QSO_DATE:8>20020315<TIME_ON:4>1234<BAND:3>20M<MODE:3>SSB<EOR>", "UA9XXX",
         "<QSO_DATE:8>20020315<TIME_ON:4>1234<BAND:3>20M<MODE:3>SSB<EOR>"},
        {"<band:3>20m <call:5>dl1ab <mode:2>cw <eor>", "DL1AB", "<BAND:3>20M  <MODE:2>CW <EOR>"},
        {"<CALL:10>UA9XXX/QRP<EOR>", "UA9XXX/QRP", "<EOR>"},
        {"<CALL:2>K1<EOR>", "-", ""},
        {"<CALL:6:S>UA9XXX<EOR>", "UA9XXX", "<EOR>"},  // type indicator: the value follows the ">"
        {"<CALL:6:S UA9XXX<EOR>", "-", ""},            // the value would start after "<EOR>"
        {"<CALL:3:S", "-", ""},                        // no closing ">"
        {"<CALL:9>UA", "-", ""},                       // fewer than 3 characters are there
        {"<CALL:X>UA9XXX<EOR>", "-", ""},              // no length digit: length 0
        {"<QSO_DATE:8>20020315<EOR>", "-", ""},
        {"<CALL:9>UA9", "UA9", ""},                    // the line ends inside the value
        {"  <CALL:5>UA1AA <EOR>  ", "UA1AA", "<EOR>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto entry = LogbookLineFromAdif(c.line);
        EXPECT_EQ(entry ? entry->call : "-", c.call);
        EXPECT_EQ(entry ? entry->record : "", c.record);
    }
}

class ImportAdifTest : public testing::ProgramFolderFixture {
protected:
    ImportResult Import(const std::string& name) {
        return ImportAdif(ProgramFolder(Folder()), PathOf(name), [this](std::string_view t) { m_shown.emplace_back(t); });
    }
    std::vector<std::string> m_shown;
};

TEST_F(ImportAdifTest, ReplacesTheWholeLogbookWithTheFixedWidthEntries) {
    Write("database/Logbook.idx", "OLD1AA    ");
    Write("database/Logbook.bdx", std::string(250, 'o'));
    Write("log.adi", "Header line with <CALL:3>AB1 in it\r\n"
                     "<EOH>\r\n"
                     "<CALL:6>UA9XXX<QSO_DATE:8>20020315<TIME_ON:4>1234<BAND:3>20M<MODE:3>SSB<EOR>\r\n"
                     "<CALL:2>K1<EOR>\r\n"
                     "<CALL:10>UA9XXX/QRP<QSO_DATE:8>20020316<EOR>\r\n");
    const auto result = Import("log.adi");
    EXPECT_EQ(result.outcome, ImportOutcome::Imported);
    EXPECT_EQ(result.records, 3);
    EXPECT_EQ(Read("database/Logbook.idx"), "AB1       UA9XXX    UA9XXX/QR ");
    const std::string records = Read("database/Logbook.bdx");
    ASSERT_EQ(records.size(), 750u);
    EXPECT_EQ(records.substr(250, 250),
              LogbookRecord("<QSO_DATE:8>20020315<TIME_ON:4>1234<BAND:3>20M<MODE:3>SSB<EOR>"));
    EXPECT_EQ(m_shown, (std::vector<std::string>{"Checking ...", std::string(24, ' '), "QSO: 1", "QSO: 2", "QSO: 3",
                                                 "Complete          "}));
    const std::string first = Read("database/Logbook.bdx");
    EXPECT_EQ(Import("log.adi").records, 3);
    EXPECT_EQ(Read("database/Logbook.bdx"), first);
    EXPECT_EQ(Read("database/Logbook.idx"), "AB1       UA9XXX    UA9XXX/QR ");
}

TEST_F(ImportAdifTest, RejectedFileLeavesTheLogbookAsItWas) {
    Write("database/Logbook.idx", "OLD1AA    ");
    Write("split.adi", "<EOH>\r\n<CALL:5>UA1AA\r\n<BAND:3>20M<EOR>\r\n");
    const auto result = Import("split.adi");
    EXPECT_EQ(result.outcome, ImportOutcome::Rejected);
    ASSERT_TRUE(result.message.has_value());
    EXPECT_EQ(result.message->textEnglish, "Some entries of " + PathOf("split.adi").string() +
                                               " are not correct of ADIF format.\n\n Please repair file before "
                                               "converting by Ozmend-utility.");
    EXPECT_EQ(Read("database/Logbook.idx"), "OLD1AA    ");
    EXPECT_EQ(Import("missing.txt").outcome, ImportOutcome::FileUnreadable);
    EXPECT_EQ(Read("database/Logbook.idx"), "OLD1AA    ");
}

TEST_F(ImportAdifTest, FileWithoutCallsLeavesNoLogbookAndSaysComplete) {
    Write("database/Logbook.idx", "OLD1AA    ");
    Write("database/Logbook.bdx", std::string(250, 'o'));
    Write("empty.adi", "<EOH>\r\n<CALL:2>K1<EOR>\r\n");
    EXPECT_EQ(Import("empty.adi").records, 0);
    EXPECT_EQ(m_shown.back(), "Complete          ");
    EXPECT_FALSE(std::filesystem::exists(PathOf("database/Logbook.idx")));
    EXPECT_FALSE(std::filesystem::exists(PathOf("database/Logbook.bdx")));
}

TEST_F(ImportAdifTest, LongRecordsAreCutAtTheirWidth) {
    Write("noise.txt", "<EOH>\n<CALL:3>K1X<EOR>\n<CALL:5>UA1AA" + std::string(4'000'000, 'x') + "<EOR>\n");
    EXPECT_EQ(Import("noise.txt").outcome, ImportOutcome::Imported);
    EXPECT_EQ(Read("database/Logbook.idx"), "K1X       UA1AA     ");
    EXPECT_EQ(Read("database/Logbook.bdx").substr(250), std::string(250, 'X'));
    std::filesystem::remove_all(PathOf("database"));
    Write("log.adi", "<EOH>\r\n<CALL:5>UA1AA<EOR>\r\n");
    EXPECT_EQ(Import("log.adi").records, 1);  // the database folder is made again
}

}  // namespace
}  // namespace tallyhawk
