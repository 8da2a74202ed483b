// tallyhawk-cli wpx, lookup and cty.
#include "tests/support/cli_fixture.h"

namespace tallyhawk {
namespace {

using CallsignCommandsTest = testing::CliFixture;

TEST_F(CallsignCommandsTest, WpxPrintsOneLinePerCallFromArgumentsOrInput) {
    EXPECT_EQ(Cli({"wpx", "DL1ABC", "3DA0ABC", "W1ABC/4"}).out, "DL1\n\nW4\n");
    const auto piped = Cli({"wpx"}, "G3ABC/VP2E\r\n\nF/G3ABC\nT77ABC");
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_EQ(piped.out, "VP2E\n\nF0\nT77\n");
}

TEST_F(CallsignCommandsTest, LookupPrintsTheCountryFieldsOfArgumentsOrInput) {
    CopyShippedDxcc();
    const auto result = Cli({"lookup", " UA4PAB ", "DL1ABC", "W1AW", "UU4JAB", "XX", "QQ1ABC"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "UA4PAB\tRA1\tEuropean Russia\t16\tEU\tUA4\tRA4P\n"
              "DL1ABC\tDL\tFed. Rep. of Germany\t14\tEU\tDL1\tDL\n"
              "W1AW\tW\tUnited States of America\t5\tNA\tW1\tW\n"
              "UU4JAB\tUR\tUkraine\t16\tEU\tUU4\tUU5\n"
              "XX\t\t\t\t\tXX\t\n"
              "QQ1ABC\t\t\t\t\tQQ1\t\n");
    EXPECT_EQ(Cli({"lookup"}, "EA8XX\r\nJA1ABC").out,
              "EA8XX\tEA8\tCanary Islands\t33\tAF\tEA8\tEA8\nJA1ABC\tJA\tJapan\t25\tAS\tJA1\tJA\n");
}

TEST_F(CallsignCommandsTest, LookupWithoutCountryFilesWarnsAndPrintsEmptyRecords) {
    std::filesystem::remove_all(PathOf("dxcc"));
    const auto result = Cli({"lookup", "DL1ABC"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "WARNING: Missing DXCC tables!\nProgram will not work properly.\n");
    EXPECT_EQ(result.out, "DL1ABC\t\t\t\t\tDL1\t\n");
}

TEST_F(CallsignCommandsTest, CtyRebuildsTheCountryFilesAndRefusesAnEmptySource) {
    Write("source.dat",
          "Japan:                    25:  45:  AS:   36.40:  -138.38:    -9.0:  JA:\r\n    JA,JE;\r\n");
    const auto built = Cli({"cty", PathOf("source.dat").string()});
    EXPECT_EQ(built.exitCode, 0) << built.err;
    EXPECT_EQ(Cli({"lookup", "JE1ABC"}).out, "JE1ABC\tJA\tJapan\t25\tAS\tJE1\tJA\n");
    EXPECT_EQ(Read("dxcc/prx2.dat"), " JA JE \r\n");

    Write("empty.dat", "nothing here\n");
    const auto refused = Cli({"cty", PathOf("empty.dat").string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(Read("dxcc/prx2.dat"), " JA JE \r\n");
    EXPECT_EQ(Cli({"cty", PathOf("missing.dat").string()}).exitCode, 1);
    EXPECT_EQ(Cli({"cty"}).exitCode, 2);
}

}  // namespace
}  // namespace tallyhawk
