#include "convert/log_file_check.h"
#include "convert/log_format.h"

#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

// A QSO: line as the program writes it: 81 characters, blanks between the fields.
const std::string kQsoLine =
    "QSO: 14000 CW 2002-02-16 1234 UA1AAA        599 1      DL1AB         599 123    0";

TEST(LogFormatOfPath, ThirdLastCharacterOfTheLowerCasedPath) {
    const struct {
        std::string_view path;
        LogFormat kind;
    } cases[] = {
        {"log.cbr", LogFormat::Cabrillo},   {"C:\\Logs\\LOG.CBR", LogFormat::Cabrillo},
        {"x.c", LogFormat::None},           {"log.adi", LogFormat::Adif},
        {"log.ADI", LogFormat::Adif},       {"log.adif", LogFormat::None},  // "dif"
        {"contest.log", LogFormat::None},   {"notes.txt", LogFormat::None},
        {"ab", LogFormat::None},            {"", LogFormat::None},
        {"a.cab", LogFormat::Cabrillo},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(LogFormatOfPath(c.path), c.kind);
    }
}

TEST(AdifCheck, OneRecordPerLineFromTheHeaderEndOn) {
    const std::string record = "<CALL:5>UA1AA<QSO_DATE:8>20020315<EOR>";
    const struct {
        std::string name;
        std::string text;
        bool valid;
    } cases[] = {
        {"header and records", "Exported\r\n<ADIF_VER:5>3.1.0\r\n<EOH>\r\n\r\n" + record + "\r\n" + record + "\r\n", true},
        {"no header end", record + "\r\n", false},
        {"empty file", "", false},
        {"lower-case header end", "<eoh>\r\n" + record + "\r\n", false},
        {"lower-case record end", "<EOH>\r\n<call:5>ua1aa<eor>\r\n", false},
        {"trailing blanks after the record end", "<EOH>\r\n" + record + "   \r\n", true},
        {"header end sharing a long line", "<ADIF_VER:5>3.1.0<EOH>\r\n" + record + "\r\n", false},
        {"header end after a short text", "x<EOH>\r\n" + record + "\r\n", true},
        {"record split over two lines", "<EOH>\r\n<CALL:5>UA1AA\r\n<QSO_DATE:8>20020315<EOR>\r\n", false},
        {"short line of 6 ignored", "<EOH>\r\n<EOR> \r\nABCDEF\r\n" + record + "\r\n", true},
        {"line of 7 without record end", "<EOH>\r\nABCDEFG\r\n", false},
        {"lines before the header are free", "<CALL:5>UA1AA\r\n<EOH>\r\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsValidAdifText(c.text), c.valid);
    }
}

using ValidateLogFileTest = testing::ProgramFolderFixture;

TEST_F(ValidateLogFileTest, ReadsOnlyCabrilloAndAdifNames) {
    Write("good.cbr", "START-OF-LOG: 2.0\r\n" + kQsoLine + "\r\n");  // each line: the reload check
    Write("bad.cbr", std::string(75, 'x') + "\r\n");
    Write("bad.txt", std::string(75, 'x') + "\r\n");
    Write("good.adi", "<EOH>\r\n<CALL:5>UA1AA<EOR>\r\n");
    EXPECT_TRUE(ValidateLogFile(PathOf("good.cbr")));
    EXPECT_FALSE(ValidateLogFile(PathOf("bad.cbr")));
    EXPECT_TRUE(ValidateLogFile(PathOf("bad.txt")));
    EXPECT_TRUE(ValidateLogFile(PathOf("good.adi")));
    EXPECT_FALSE(ValidateLogFile(PathOf("missing.adi")));
    EXPECT_FALSE(ValidateLogFile(PathOf("missing.cbr")));
    EXPECT_FALSE(ValidateLogFile(PathOf("database")));  // a folder named like a log is no log
}

}  // namespace
}  // namespace tallyhawk
