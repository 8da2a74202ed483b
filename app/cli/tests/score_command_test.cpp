// tallyhawk-cli score after a batch of contacts.
#include "tests/support/cli_fixture.h"

namespace tallyhawk {
namespace {

using ScoreCommandTest = testing::CliFixture;

TEST_F(ScoreCommandTest, PrintsTheGridRowsAndTheClaimedScore) {
    CopyTestData("scoring_dxcc", "dxcc");
    ASSERT_EQ(Cli({"set", "Callsign=DL1XYZ", "Contest=WPX", "Continent=EU"}).exitCode, 0);
    const auto logged = Cli({"log", "--batch", "-"},
                            "20 CW 2024-11-30 1200 W1AW 1 1\n"
                            "20 CW 2024-11-30 1201 DL1ABC 2 7\n"
                            "40 CW 2024-11-30 1202 JA1ABC 3 9\n");
    ASSERT_EQ(logged.exitCode, 0) << logged.err;
    const auto score = Cli({"score"});
    EXPECT_EQ(score.exitCode, 0) << score.err;
    EXPECT_EQ(score.out,
              "Band\tQSO\tNew Prefix\tQSO Points\n"
              "10 m\t0\t0\t0\n"
              "15 m\t0\t0\t0\n"
              "20 m\t2\t2\t3\n"
              "40 m\t1\t1\t3\n"
              "80 m\t0\t0\t0\n"
              "160 m\t0\t0\t0\n"
              "18\n");
    EXPECT_EQ(Cli({"score", "extra"}).exitCode, 2);
}

}  // namespace
}  // namespace tallyhawk
