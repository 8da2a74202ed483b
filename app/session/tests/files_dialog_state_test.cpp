#include "app/session/files_dialog_state.h"

#include "database/logbook_database.h"
#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

constexpr std::string_view kAdif =
    "<EOH>\r\n"
    "<CALL:5>UA1AA<QSO_DATE:8>20020315<TIME_ON:4>1234<BAND:3>20M<MODE:2>CW<RST_SENT:3>599<RST_RCVD:3>579<EOR>\r\n";

class FilesDialogStateTest : public testing::SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        Configure({{"Callsign", "W1AW"}});
        Write("exports/log.adi", std::string(kAdif));
    }
};

TEST_F(FilesDialogStateTest, ConvertWritesBesideTheChosenFileThenInTheProgramFolder) {
    const LoggerSession session = Started();
    FilesDialogState files(session);
    EXPECT_FALSE(files.ConvertShown());
    files.ChooseConversionSource(PathOf("exports/log.adi"), LogFormat::Adif);
    EXPECT_TRUE(files.ConvertShown());
    EXPECT_EQ(files.StatusText(), "");

    std::vector<std::string> drawn;
    const ConversionResult first = files.Convert([&drawn](std::string_view text) { drawn.emplace_back(text); });
    EXPECT_EQ(first.outcome, ConversionOutcome::Converted);
    EXPECT_EQ(first.output, PathOf("exports/Convert.cbr"));
    EXPECT_EQ(drawn.front(), "Checking ...");
    EXPECT_EQ(files.StatusText(), "Complete          ");

    EXPECT_EQ(files.Convert().output, PathOf("Convert.cbr"));  // a second Convert without a new choice
    EXPECT_EQ(Read("Convert.cbr"), Read("exports/Convert.cbr"));
}

TEST_F(FilesDialogStateTest, ACancelledSourceChoiceLeavesNothingToConvert) {
    const LoggerSession session = Started();
    FilesDialogState files(session);
    files.ChooseConversionSource(PathOf("exports/log.adi"), LogFormat::Adif);
    files.ChooseConversionSource(std::nullopt, LogFormat::Cabrillo);
    EXPECT_TRUE(files.Path().empty());
    EXPECT_TRUE(files.ConvertShown());
    EXPECT_EQ(files.Convert().outcome, ConversionOutcome::NothingChosen);
    EXPECT_EQ(files.StatusText(), "Checking ...");
}

TEST_F(FilesDialogStateTest, TheImportFileIsTheSamePathButShowsNoConvert) {
    const LoggerSession session = Started();
    FilesDialogState files(session);
    EXPECT_EQ(files.Import().outcome, ImportOutcome::NothingChosen);
    files.ChooseImportFile(PathOf("exports/log.adi"));
    files.ChooseImportFile(std::nullopt);  // cancelled: the path stays
    EXPECT_FALSE(files.ConvertShown());
    EXPECT_EQ(files.Path(), PathOf("exports/log.adi"));
    const ImportResult imported = files.Import();
    EXPECT_EQ(imported.outcome, ImportOutcome::Imported);
    EXPECT_EQ(imported.records, 1);
    EXPECT_EQ(files.StatusText(), "Complete          ");
    EXPECT_TRUE(std::filesystem::exists(PathOf("database/Logbook.idx")));
}

TEST_F(FilesDialogStateTest, ARejectedFileBringsTheErrorBoxAndWritesNothing) {
    Write("exports/broken.adi", "<EOH>\r\n<CALL:5>UA1AA<QSO_DATE:8>20020315\r\n<EOR>\r\n");
    const LoggerSession session = Started();
    FilesDialogState files(session);
    files.ChooseConversionSource(PathOf("exports/broken.adi"), LogFormat::Adif);
    const ConversionResult converted = files.Convert();
    EXPECT_EQ(converted.outcome, ConversionOutcome::Rejected);
    ASSERT_TRUE(converted.message.has_value());
    EXPECT_EQ(converted.message->titleEnglish, "ERROR");
    files.ChooseImportFile(PathOf("exports/broken.adi"));
    EXPECT_EQ(files.Import().outcome, ImportOutcome::Rejected);
    EXPECT_FALSE(std::filesystem::exists(PathOf("exports/Convert.cbr")));
    EXPECT_FALSE(std::filesystem::exists(PathOf("database/Logbook.idx")));
}

// The file the checked import refuses (a record over two lines) is read as any logger's ADIF instead.
TEST_F(FilesDialogStateTest, AnyLoggersImportReadsTheRefusedFileAndDrawsTheStatusLine) {
    Write("exports/broken.adi", "<EOH>\r\n<CALL:5>UA1AA<QSO_DATE:8>20020315\r\n<eor>\r\n");
    const LoggerSession session = Started();
    FilesDialogState files(session);
    EXPECT_EQ(files.ImportAnyAdif().outcome, AnyImportOutcome::NothingChosen);
    files.ChooseImportFile(PathOf("exports/broken.adi"));
    EXPECT_EQ(files.Import().outcome, ImportOutcome::Rejected);
    const AnyImportResult imported = files.ImportAnyAdif();
    EXPECT_EQ(imported.outcome, AnyImportOutcome::Imported);
    EXPECT_EQ(imported.imported, 1);
    EXPECT_EQ(files.StatusText(), "Complete          ");
    EXPECT_EQ(std::filesystem::file_size(PathOf("database/Logbook.idx")), kLogbookEntrySize);
}

}  // namespace
}  // namespace tallyhawk
