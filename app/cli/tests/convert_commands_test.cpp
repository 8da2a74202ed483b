#include <set>

#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

const std::string kAdif =
    "<EOH>\r\n"
    "<CALL:5>UA1AA<QSO_DATE:8>20020315<TIME_ON:4>1234<BAND:3>20M<MODE:2>CW<RST_SENT:3>599<RST_RCVD:3>579<EOR>\r\n"
    "<CALL:5>DL1AB<QSO_DATE:8>20020315<TIME_ON:4>1240<BAND:3>40M<MODE:3>SSB<RST_SENT:2>59<RST_RCVD:2>57<EOR>\r\n";

class CliFilesTest : public testing::ProgramFolderFixture {
protected:
    // Runs the command line in `directory` (a folder of the program folder), which receives Convert.*.
    testing::ProcessResult Cli(std::vector<std::string> arguments, const std::string& directory = ".") {
        arguments.insert(arguments.begin(), {"--folder", Folder().string()});
        return RunIn(directory, std::move(arguments));
    }
    // Runs the command line in `directory` without --folder, which makes it the program folder.
    testing::ProcessResult RunIn(const std::string& directory, std::vector<std::string> arguments) {
        std::filesystem::create_directories(PathOf(directory));
        arguments.insert(arguments.begin(), {"-c", "cd \"$0\" && exec \"$@\"", PathOf(directory).string(), TALLYHAWK_CLI,
                                             "--settings", (Folder() / "t.ini").string()});
        return testing::RunProcess("/bin/sh", arguments);
    }
    // Every file and folder below `directory`.
    std::set<std::string> Entries(const std::string& directory) const {
        std::set<std::string> entries;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(PathOf(directory))) {
            entries.insert(entry.path().lexically_relative(PathOf(directory)).string());
        }
        return entries;
    }
    void LogThree() {
        ASSERT_EQ(Cli({"set", "Callsign=UA1AAA", "Contest=CQ", "Band=40", "Mode=CW", "Date=2002-02-16"}).exitCode, 0);
        for (const char* call : {"DL1AA", "DL2AA", "DL3AA"}) ASSERT_EQ(Cli({"log", call, "1234", "14", "15"}).exitCode, 0);
    }
};

TEST_F(CliFilesTest, ConvertWritesIntoTheCurrentDirectoryAndPrintsTheLastTexts) {
    ASSERT_EQ(Cli({"set", "Callsign=W1AW"}).exitCode, 0);
    Write("in.adi", kAdif);
    const auto result = Cli({"convert", PathOf("in.adi").string()}, "work");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "QSO: 2\nComplete\n");
    EXPECT_NE(Read("work/Convert.cbr").find("QSO:  7000 PH 2002-03-15 1240 W1AW "), std::string::npos);
    Write("contest.log", "QSO: 14000 CW 2002-02-16 1234 UA1AAA        599 1      DL1AB         599 123    0\r\n");
    EXPECT_EQ(Cli({"convert", "../contest.log"}, "work").exitCode, 2);  // other names need the direction
    EXPECT_EQ(Cli({"convert", "../contest.log", "--from", "cabrillo"}, "work").out, "QSO: 1\nComplete\n");
    EXPECT_EQ(Read("work/Convert.adi").substr(0, 9), "<EOH>\r\n\r\n");
    Write("bad.adi", "<CALL:5>UA1AA<EOR>\r\n");
    ASSERT_EQ(Cli({"set", "Language=1"}).exitCode, 0);
    const auto rejected = Cli({"convert", "../bad.adi"}, "work");
    EXPECT_EQ(rejected.exitCode, 1);
    EXPECT_NE(rejected.err.find("ERROR: Некоторые данные ../bad.adi не соответствуют ADIF формату."),
              std::string::npos)
        << rejected.err;
    EXPECT_EQ(Cli({"convert", "missing.adi"}).exitCode, 1);
}

TEST_F(CliFilesTest, ValidateAnswersWithItsExitStatus) {
    Write("good.adi", kAdif);
    Write("bad.cbr", std::string(75, 'x') + "\r\n");
    EXPECT_EQ(Cli({"validate", PathOf("good.adi").string()}).exitCode, 0);
    const auto bad = Cli({"validate", PathOf("bad.cbr").string()});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err, "ERROR: Some entries of " + PathOf("bad.cbr").string() +
                           " are not correct of Cabrillo format.\n\n Please repair file before converting.\n");
    EXPECT_EQ(Cli({"validate"}).exitCode, 2);
}

TEST_F(CliFilesTest, ImportReplacesTheLogbook) {
    Write("database/Logbook.idx", "OLD1AA    ");
    Write("in.adi", kAdif);
    const auto result = Cli({"import", PathOf("in.adi").string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "QSO: 2\nComplete\n");
    EXPECT_EQ(Read("database/Logbook.idx"), "UA1AA     DL1AB     ");
    Write("split.adi", "<EOH>\r\n<CALL:5>UA1AA\r\n<EOR>\r\n");
    EXPECT_EQ(Cli({"import", PathOf("split.adi").string()}).exitCode, 1);
}

TEST_F(CliFilesTest, EditAndDeletePatchTheLogAndTheIndexThenAdviseAReload) {
    LogThree();
    const auto edit = Cli({"edit", "2", "ok1xx", "2002-02-16", "1235", "20", "PH", "14", "16"});
    EXPECT_EQ(edit.exitCode, 0) << edit.err;
    EXPECT_EQ(edit.out, "WARNING: To take effect in statistics you must 'Reload' database.\n (You can do this later after the "
                        "contest)\n");
    EXPECT_NE(Read("UA1AAA.cbr").find(
                  "\r\nQSO: 14000 PH 2002-02-16 1235 UA1AAA        59  14     OK1XX         59  16     0\r\nQSO:  7000 CW"),
              std::string::npos);
    EXPECT_EQ(Read("database/Edit.bak"), "call:DL2AA\ndate:2002-02-16\nutc:12:34\nband:40\nmode:CW\nsent:14\nrcvd:15\nnum:2\n");
    EXPECT_EQ(Cli({"delete", "1"}).exitCode, 0);
    EXPECT_EQ(Read("database/UA1AAA.idx"), "OK1XX         DL3AA         ");
    EXPECT_EQ(Read("UA1AAA.cbr").find("DL1AA"), std::string::npos);
}

TEST_F(CliFilesTest, RefusedEditsChangeNothing) {
    LogThree();
    const std::string log = Read("UA1AAA.cbr");
    const auto badMode = Cli({"edit", "2", "OK1XX", "2002-02-16", "1235", "20", "SSB", "14", "16"});
    EXPECT_EQ(badMode.exitCode, 1);
    EXPECT_NE(badMode.err.find("the mode must be one of PH CW RY PS"), std::string::npos) << badMode.err;
    EXPECT_EQ(Cli({"edit", "2", "OK1XX", "2002-02-16", "1235", "20", "CW", "14A", "16"}).exitCode, 1);  // CQ: digits
    EXPECT_EQ(Cli({"delete", "9"}).exitCode, 1);
    EXPECT_EQ(Cli({"edit", "1", "OK1XX"}).exitCode, 2);
    EXPECT_EQ(Read("UA1AAA.cbr"), log);
}

TEST_F(CliFilesTest, CommandsBesideTheContestLeaveOnlyTheirOwnOutput) {
    ASSERT_EQ(Cli({"set", "Callsign=W1AW"}).exitCode, 0);
    Write("in.adi", kAdif);
    Write("bad.adi", "<CALL:5>UA1AA<EOR>\r\n");
    Write("bad.cbr", std::string(75, 'x') + "\r\n");
    // A download folder, which becomes the program folder of these runs.
    EXPECT_EQ(RunIn("downloads", {"convert", PathOf("bad.adi").string()}).exitCode, 1);
    EXPECT_EQ(RunIn("downloads", {"validate", PathOf("bad.cbr").string()}).exitCode, 1);
    EXPECT_EQ(RunIn("downloads", {"lookup", "UA4PAB"}).exitCode, 0);
    EXPECT_EQ(RunIn("downloads", {"history", "UA4PAB"}).exitCode, 0);
    EXPECT_EQ(Entries("downloads"), std::set<std::string>{});
    const auto converted = RunIn("downloads", {"convert", PathOf("in.adi").string()});
    EXPECT_EQ(converted.exitCode, 0) << converted.err;
    EXPECT_EQ(Entries("downloads"), std::set<std::string>{"Convert.cbr"});
}

TEST_F(CliFilesTest, MessagesNameFilesAsTheUserWouldTypeThem) {
    ASSERT_EQ(RunIn("station", {"set", "Callsign=DL1XYZ", "Band=20", "Mode=CW", "Date=2002-02-16"}).exitCode, 0);
    std::filesystem::create_directories(PathOf("station/DL1XYZ.cbr"));  // a folder where the log belongs
    const auto refused = RunIn("station", {"log", "W1AW", "1200", "1", "2"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("Cannot write the contest log " + PathOf("station").string() + "/DL1XYZ.cbr!"),
              std::string::npos)
        << refused.err;
}

TEST_F(CliFilesTest, EditTrimsItsFieldsBeforeCheckingThem) {
    LogThree();
    const auto edit = Cli({"edit", "2", " ok1xx ", " 2002-02-16", "1235 ", " 20 ", " PH", " 12 ", "16 "});
    EXPECT_EQ(edit.exitCode, 0) << edit.err;
    EXPECT_NE(Read("UA1AAA.cbr").find("\r\nQSO: 14000 PH 2002-02-16 1235 UA1AAA        59  12     OK1XX         59  16     0\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace tallyhawk
