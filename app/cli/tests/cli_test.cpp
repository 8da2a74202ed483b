// tallyhawk-cli log, set, settings, history and send, and the usage errors.
#include <cstdlib>
#include <map>

#include "tests/support/cli_fixture.h"

namespace tallyhawk {
namespace {

class CliTest : public testing::CliFixture {
protected:
    void SetUpStation() {
        ASSERT_EQ(Cli({"set", "Callsign=UA1AAA", "Contest=CQ", "Band=20", "Mode=CW", "Date=2002-02-16"}).exitCode, 0);
    }
    std::size_t QsoLines() const {
        const std::string log = Read("UA1AAA.cbr");
        std::size_t count = 0;
        for (std::size_t at = 0; (at = log.find("\r\nQSO: ", at)) != std::string::npos; ++at) ++count;
        return count;
    }
};

// Options override the stored setup for one contact and may stand anywhere among the fields.
TEST_F(CliTest, LogWritesOneLineWithTheStoredSetupOrTheOptions) {
    SetUpStation();
    const auto result = Cli({"log", "dl1ab", "1234", "14", "15"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Cli({"log", "--band", "80", "DL2AB", "12:34", "--mode=PH", "14", "15", "--date", "2003-01-01"}).exitCode, 0);
    EXPECT_NE(Read("UA1AAA.cbr").find(
                  "QSO: 14000 CW 2002-02-16 1234 UA1AAA        599 14     DL1AB         599 15     0\r\n"
                  "QSO:  3500 PH 2003-01-01 1234 UA1AAA        59  14     DL2AB         59  15     0\r\n"),
              std::string::npos);
    EXPECT_NE(Cli({"settings"}).out.find("Settings/Band=20\n"), std::string::npos);  // stored setup unchanged
}

TEST_F(CliTest, RefusedRowSaysWhichFieldIsMissing) {
    SetUpStation();
    ASSERT_EQ(Cli({"set", "Band="}).exitCode, 0);
    const auto result = Cli({"log", "DL1AB", "1234", "14", "15"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Band is empty"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(PathOf("UA1AAA.cbr")));
    EXPECT_EQ(Cli({"log", "DL1AB", "1234"}).exitCode, 2);
}

// The command line takes what the entry row takes (every rule is checked in EntryRules): a refused text
// is named with its field and the reason, also for a limit of the contest given as an option.
TEST_F(CliTest, TextsTheEntryRowRefusesAreRefusedByName) {
    SetUpStation();
    struct Case {
        std::vector<std::string> words;
        std::string reason;
    };
    const Case cases[] = {
        {{"DL1AB", "1234", "14", "5nn"}, "not logged: Exchange received 5nn refused: digits only in CQ WW DX"},
        {{"DL1AB", "12:3x", "14", "15"}, "not logged: Time 12:3x refused: digits and ':' only"},
        {{"DL1AB", "1234", "123", "15", "--contest", "AAD"}, "Exchange sent 123 refused: at most 2 characters"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        std::vector<std::string> arguments = {"log"};
        arguments.insert(arguments.end(), c.words.begin(), c.words.end());
        const auto result = Cli(arguments);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf("UA1AAA.cbr")));
    const auto batch = Cli({"log", "--batch", "-"}, "20 CW 2002-02-16 1200 DL1AB 14 AB\n20 CW 2002-02-16 1201 DL2AB 14 15\n");
    EXPECT_NE(batch.err.find("line 1: not logged: Exchange received AB refused"), std::string::npos) << batch.err;
    EXPECT_EQ(QsoLines(), 1u);
}

TEST_F(CliTest, BatchLogsGoodLinesAndReportsBadOnesByNumber) {
    SetUpStation();
    const auto result = Cli({"log", "--batch", "-"},
                            "20 CW 2002-02-16 1200 DL1AB 14 15\r\n"
                            "20 CW 2002-02-16 1201 DL2AB 14\n"
                            "\n"
                            "40 ps 2002-02-16 1202 dl3ab 14 16\n");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("line 2: "), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("2 logged, 1 skipped"), std::string::npos) << result.err;
    EXPECT_EQ(QsoLines(), 2u);
    EXPECT_NE(Read("UA1AAA.cbr").find("QSO:  7000 RY 2002-02-16 1202 UA1AAA        599 14     DL3AB"),
              std::string::npos);
}

TEST_F(CliTest, FileSizeLimitRefusesTheContactWholeAndDamagesNothing) {
    SetUpStation();
    // bash counts the limit in 1024-byte blocks; the contest index records (140 bytes each) reach it first.
    const std::string cli = "ulimit -f 1; exec '" + std::string(TALLYHAWK_CLI) + "' --folder '" +
                            Folder().string() + "' --settings '" + SettingsFile() + "' log ";
    // Every file but the settings, to show that a refused contact changed nothing.
    const auto folderFiles = [this] {
        auto files = FilesOf({".", "database", "statistics"});
        files.erase("./t.ini");
        return files;
    };
    std::map<std::string, std::string> before;
    testing::ProcessResult result;
    int logged = 0;
    for (; logged < 20; ++logged) {
        before = folderFiles();
        result = testing::RunProcess("/bin/bash", {"-c", cli + "DL" + std::to_string(logged) + "AB 1200 1 2"});
        if (result.exitCode != 0) break;
    }
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("UA1AAA.cbr"), std::string::npos) << result.err;
    EXPECT_EQ(folderFiles(), before);
    EXPECT_EQ(QsoLines(), static_cast<std::size_t>(logged));
    EXPECT_EQ(logged, 7);
}

TEST_F(CliTest, SetRefusesBadValuesAndWritesNothing) {
    const auto result = Cli({"set", "Callsign=DL1XYZ", "Language=yes", "Bogus=1"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Language: the value must be a whole number"), std::string::npos);
    EXPECT_NE(result.err.find("Bogus: unknown setting"), std::string::npos);
    EXPECT_EQ(Cli({"settings"}).out.find("DL1XYZ"), std::string::npos);
}

TEST_F(CliTest, HelpAndUsageErrors) {
    EXPECT_EQ(Cli({"--help"}).exitCode, 0);
    EXPECT_NE(Cli({"log", "--help"}).out.find("--batch"), std::string::npos);
    EXPECT_EQ(Cli({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(Cli({"log", "--nonsense"}).exitCode, 2);
}

TEST_F(CliTest, HistoryPrintsOneTabSeparatedLinePerLogbookContact) {
    SetUpStation();
    EXPECT_EQ(Cli({"history", "UA1AA"}).out, "");  // no logbook yet
    Write("database/Logbook.idx", "UA1AA     UA1AAA    UA1AA     ");
    std::string records;
    for (std::string record : {"<QSO_DATE:8:D>20020315<TIME_ON:4>1234<BAND:3>20M<MODE:2>CW<QSL_RCVD:1>Y"
                               "<QSL_SENT:1>N",
                               "<QSO_DATE:8>20040101<EOR>", "<QSO_DATE:8>20030101<FREQ:5>1.830<MODE:2>SS"}) {
        records += record + std::string(250 - record.size(), ' ');
    }
    Write("database/Logbook.bdx", records);
    const auto result = Cli({"history", "ua1aa"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "2002-03-15\t12:34\t20\tCW\tY/N\n2003-01-01\t\t160\tPH\t\n");
    EXPECT_FALSE(std::filesystem::exists(PathOf("database/LookUp.bdx")));
    EXPECT_EQ(Cli({"history", "DL1AB"}).out, "");
    EXPECT_EQ(Cli({"history"}).exitCode, 2);
}

TEST_F(CliTest, SendWithoutAWindowFailsAndSaysSo) {
    // A server name of its own, so that a window running on this machine cannot answer.
    ::setenv("TALLYHAWK_SERVER", PathOf("no-window").c_str(), 1);
    const auto result = Cli({"send", "settings:", "band:20"});
    ::unsetenv("TALLYHAWK_SERVER");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("no window"), std::string::npos) << result.err;
    EXPECT_EQ(Cli({"send"}).exitCode, 2);
}

}  // namespace
}  // namespace tallyhawk
