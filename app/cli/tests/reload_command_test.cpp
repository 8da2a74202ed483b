// tallyhawk-cli reload and status, and a reload killed part-way and run again.
#include <chrono>
#include <map>

#include "log/contest_log_writer.h"
#include "log/qso_line.h"
#include "tests/support/cli_fixture.h"

namespace tallyhawk {
namespace {

namespace fs = std::filesystem;

using Files = std::map<std::string, std::string>;

class ReloadCommandTest : public testing::CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        CopyTestData("scoring_dxcc", "dxcc");
        ASSERT_EQ(
            Cli({"set", "Callsign=DL1XYZ", "Contest=CQ", "Continent=EU", "Band=20", "Mode=CW"}).exitCode, 0);
    }

    void LogThree() const {
        const auto logged = Cli({"log", "--batch", "-"},
                                "20 CW 2024-11-30 1200 W1AW 14 05\n"
                                "20 CW 2024-11-30 1201 JA1ABC 14 25\n"
                                "40 PH 2024-11-30 1202 JA1ABC 14 25\n");
        ASSERT_EQ(logged.exitCode, 0) << logged.err;
    }

    // A log written straight from QSO lines, too long to be reloaded in an instant.
    void WriteLongLog(int contacts) const {
        const std::vector<std::string> calls = {"W1AW",   "JA1ABC", "UA9AAA", "VK2ABC",
                                                "LU1ABC", "F5ABC",  "OH0ABC"};
        const std::vector<std::string> zones = {"05", "25", "17", "30", "13", "14", "15"};
        std::string log = FormatLogHeader("CQ", StationProfile{"DL1XYZ"});
        for (int i = 0; i < contacts; ++i) {
            const std::size_t pick = static_cast<std::size_t>(i) % calls.size();
            const std::string band(BandShortCode(kBands[static_cast<std::size_t>(i / 7) % kBands.size()]));
            const QsoRecord qso{calls[pick], "2024-11-30", "1200", band, "CW", "14", zones[pick]};
            log += FormatQsoLine(qso, "DL1XYZ", "0") + "\r\n";
        }
        Write("DL1XYZ.cbr", log + "END-OF-LOG:\r\n");
    }

    Files DerivedFiles() const { return FilesOf({"statistics", "database"}); }
};

TEST_F(ReloadCommandTest, PrintsTheScoreAsTheScoreCommandDoes) {
    LogThree();
    const auto score = Cli({"score"});
    Write("statistics/20m.x", "stale");
    const auto reload = Cli({"reload"});
    EXPECT_EQ(reload.exitCode, 0) << reload.err;
    EXPECT_EQ(reload.out, score.out);
    EXPECT_EQ(reload.err, "");  // no percentage when standard error is no terminal
    EXPECT_EQ(Read("statistics/20m.x"), " W     JA   ");
    EXPECT_EQ(Cli({"reload", "extra"}).exitCode, 2);
}

TEST_F(ReloadCommandTest, RefusedLogIsNamedAndNothingIsDeleted) {
    const auto missing = Cli({"reload"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "WARNING!: Cabrillo file DL1XYZ.cbr not created yet for reloading\n\n");

    LogThree();
    Write("DL1XYZ.cbr",
          Read("DL1XYZ.cbr") +
              "QSO: 14000 CW 2024-11-30 1200 DL1XYZ        599 14     W1AW          599 05     0X\r\n");
    const Files before = DerivedFiles();
    const auto english = Cli({"reload"});
    EXPECT_EQ(english.exitCode, 1);
    EXPECT_EQ(english.out, "");
    EXPECT_EQ(english.err.rfind("WARNING!: Error occurs when loading DL1XYZ.cbr.\n", 0), 0u) << english.err;
    EXPECT_EQ(DerivedFiles(), before);
}

TEST_F(ReloadCommandTest, StatusPrintsTheStatusLineAndTheReceivedExchange) {
    LogThree();
    EXPECT_EQ(Cli({"status", "K3LR"}).out, "United States - WORKED COUNTRY\n05\n");
    EXPECT_EQ(Cli({"status", "vk2abc"}).out, "Australia - NEW COUNTRY\n30\n");
    ASSERT_EQ(Cli({"set", "Contest=WPX"}).exitCode, 0);
    EXPECT_EQ(Cli({"status", "K3LR"}).out, "\n\n");  // no prefix file yet
    EXPECT_EQ(Cli({"status"}).exitCode, 2);
}

// The reload starts from nothing, so whatever a killed reload left behind, the next one gives the files
// of a reload that ran through.
TEST_F(ReloadCommandTest, ReloadKilledPartWayAndRunAgainGivesTheFilesOfAWholeReload) {
    WriteLongLog(30000);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Cli({"reload"}).exitCode, 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const Files whole = DerivedFiles();
    ASSERT_GT(whole.at("database/DL1XYZ.idx").size(), 0u);

    int cutShort = 0;  // kills that left a shorter contest index than a whole reload
    const std::size_t wholeIndex = whole.at("database/DL1XYZ.idx").size();
    for (double fraction : {0.2, 0.4, 0.6, 0.8}) {
        SCOPED_TRACE(fraction);
        const std::string after = std::to_string(seconds * fraction);
        const auto interrupted =
            testing::RunProcess("timeout", {"-s", "KILL", after, TALLYHAWK_CLI, "--folder", Folder().string(),
                                            "--settings", SettingsFile(), "reload"});
        if (interrupted.exitCode != 0 && Read("database/DL1XYZ.idx").size() < wholeIndex) ++cutShort;
        ASSERT_EQ(Cli({"reload"}).exitCode, 0);
        EXPECT_EQ(DerivedFiles(), whole);
    }
    EXPECT_GT(cutShort, 0);
}

}  // namespace
}  // namespace tallyhawk
