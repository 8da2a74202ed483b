// tallyhawk-cli score, reload and status, and a reload killed part-way and run again.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <map>
#include <thread>

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

    // Runs a reload and kills it once the contest index holds `indexBytes`; false when it ended first.
    bool KillReloadAt(std::uintmax_t indexBytes) const {
        const fs::path index = Folder() / "database" / "DL1XYZ.idx";
        fs::remove(index);
        const std::string folder = Folder().string();
        const std::string settings = SettingsFile();
        const pid_t pid = fork();
        if (pid == 0) {
            std::freopen("/dev/null", "w", stdout);
            std::freopen("/dev/null", "w", stderr);
            execl(TALLYHAWK_CLI, TALLYHAWK_CLI, "--folder", folder.c_str(), "--settings", settings.c_str(),
                  "reload", static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            std::error_code error;
            const std::uintmax_t size = fs::file_size(index, error);
            if (!error && size >= indexBytes) {
                kill(pid, SIGKILL);
                waitpid(pid, &status, 0);
                return WIFSIGNALED(status);
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        return false;
    }
};

// score prints the grid rows and the claimed score; reload prints the same after rebuilding.
TEST_F(ReloadCommandTest, PrintsTheScoreAsTheScoreCommandDoes) {
    LogThree();
    const auto score = Cli({"score"});
    EXPECT_EQ(score.exitCode, 0) << score.err;
    EXPECT_EQ(score.out,
              "Band\tQSO\tDXCC\tZone\tQSO Points\n"
              "10 m\t0\t0\t0\t0\n"
              "15 m\t0\t0\t0\t0\n"
              "20 m\t2\t2\t2\t6\n"
              "40 m\t1\t1\t1\t3\n"
              "80 m\t0\t0\t0\t0\n"
              "160 m\t0\t0\t0\t0\n"
              "54\n");
    EXPECT_EQ(Cli({"score", "extra"}).exitCode, 2);
    Write("statistics/20m.x", "stale");
    const auto reload = Cli({"reload"});
    EXPECT_EQ(reload.exitCode, 0) << reload.err;
    EXPECT_EQ(reload.out, score.out);
    EXPECT_EQ(reload.err, "");  // no percentage when standard error is no terminal
    EXPECT_EQ(Read("statistics/20m.x"), " W     JA   ");
    EXPECT_EQ(Cli({"reload", "extra"}).exitCode, 2);
}

// Every refusal and its texts are the session's (ReloadTest); here one reaches standard error.
TEST_F(ReloadCommandTest, RefusedLogIsNamedAndNothingIsDeleted) {
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
    ASSERT_EQ(Cli({"set", "Contest=WPX"}).exitCode, 0);
    EXPECT_EQ(Cli({"status", "K3LR"}).out, "\n\n");  // no prefix file yet
    EXPECT_EQ(Cli({"status"}).exitCode, 2);
}

// The reload starts from nothing, so whatever a killed reload left behind, the next one gives the files
// of a reload that ran through. Each run is killed once the contest index it rebuilds has reached a share
// of its whole size, so the kills land part-way however fast or loaded the machine is.
TEST_F(ReloadCommandTest, ReloadKilledPartWayAndRunAgainGivesTheFilesOfAWholeReload) {
    WriteLongLog(30000);
    ASSERT_EQ(Cli({"reload"}).exitCode, 0);
    const Files whole = DerivedFiles();
    const std::size_t wholeIndex = whole.at("database/DL1XYZ.idx").size();
    ASSERT_GT(wholeIndex, 0u);

    int cutShort = 0;  // kills that left a shorter contest index than a whole reload
    for (double share : {0.2, 0.4, 0.6, 0.8}) {
        SCOPED_TRACE(share);
        if (KillReloadAt(static_cast<std::uintmax_t>(share * static_cast<double>(wholeIndex))) &&
            Read("database/DL1XYZ.idx").size() < wholeIndex) {
            ++cutShort;
        }
        ASSERT_EQ(Cli({"reload"}).exitCode, 0);
        EXPECT_EQ(DerivedFiles(), whole);
    }
    EXPECT_GT(cutShort, 0);
}

}  // namespace
}  // namespace tallyhawk
