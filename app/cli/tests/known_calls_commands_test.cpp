// tallyhawk-cli scp and rate on a log of a few contacts and the hand-made MASTER.SCP.
#include "tests/support/cli_fixture.h"

namespace tallyhawk {
namespace {

class KnownCallsCommandsTest : public testing::CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        CopyShippedDxcc();
        CopyTestData("scp", ".");
        ASSERT_EQ(Cli({"set", "Callsign=UA1AAA", "Contest=WPX", "Continent=EU"}).exitCode, 0);
        const auto logged = Cli({"log", "--batch", "-"},
                                "40 CW 2026-12-05 2350 DL1ABC 1 1\n"
                                "40 CW 2026-12-05 2355 W1AW/4 2 1\n"
                                "20 CW 2026-12-06 0005 OK1AB 3 1\n");
        ASSERT_EQ(logged.exitCode, 0) << logged.err;
    }
};

TEST_F(KnownCallsCommandsTest, ScpPrintsPartialOrNearCallsWithTheWorkedOnesMarked) {
    auto printed = Cli({"scp", "W1AW", "dl1a", "K"});
    EXPECT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(printed.out, "W1AW\nW1AW/4\tworked\nW1AW/7\n\nDL1ABC\tworked\nDL1ABD\n\n");
    printed = Cli({"scp", "--n1", "OK1ABC"});
    EXPECT_EQ(printed.out, "K1ABC\nKK1ABC\nOK1AB\tworked\nOK2ABC\nOM1ABC\n");
    EXPECT_EQ(Cli({"scp", "--n1", "OK"}).out, "");  // N+1 starts at three characters
    EXPECT_EQ(Cli({"scp"}).exitCode, 2);
    Write("MASTER.SCP", "# no calls\r\n");
    printed = Cli({"scp", "W1AW"});
    EXPECT_EQ(printed.exitCode, 1);
    EXPECT_NE(printed.err.find("MASTER.SCP"), std::string::npos) << printed.err;
}

TEST_F(KnownCallsCommandsTest, RatePrintsBothRatesAndTheContactsPerHourAndBand) {
    const auto printed = Cli({"rate"});
    EXPECT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(printed.out,
              "Last 10 QSOs\t11\n"  // three contacts from 23:50 to 00:05: 16 minutes
              "Last 60 minutes\t3\n"
              "\n"
              "Hour\t10\t15\t20\t40\t80\t160\tTotal\n"
              "2026-12-05 23:00\t0\t0\t0\t2\t0\t0\t2\n"
              "2026-12-06 00:00\t0\t0\t1\t0\t0\t0\t1\n"
              "Total\t0\t0\t1\t2\t0\t0\t3\n");
    EXPECT_EQ(Cli({"rate", "extra"}).exitCode, 2);
}

}  // namespace
}  // namespace tallyhawk
