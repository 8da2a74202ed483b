// A portable or guest own call ("DL/UA9XXX") through every contest command: its files keep to the
// program folder under a name without "/", while the files themselves hold the call as typed.
#include <set>

#include "tests/support/cli_fixture.h"

namespace tallyhawk {
namespace {

class PortableCallTest : public testing::CliFixture {
protected:
    void SetUp() override {
        CliFixture::SetUp();
        CopyTestData("scoring_dxcc", "dxcc");
        ASSERT_EQ(Cli({"set", "Callsign=DL/UA9XXX", "Contest=WPX", "Continent=EU", "Band=20", "Mode=CW",
                       "Date=2024-11-30"})
                      .exitCode,
                  0);
    }

    // Every folder below the program folder; a file name holding "/" would have made one more.
    std::set<std::string> Folders() const {
        std::set<std::string> folders;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Folder())) {
            if (entry.is_directory()) folders.insert(entry.path().lexically_relative(Folder()).string());
        }
        return folders;
    }
};

TEST_F(PortableCallTest, EveryContestCommandFindsTheSameFiles) {
    for (const char* call : {"W1AW", "DL1ABC", "JA1ABC"}) {
        const auto logged = Cli({"log", call, "1200", "1", "2"});
        ASSERT_EQ(logged.exitCode, 0) << logged.err;
    }
    const std::string log = Read("DL_UA9XXX.cbr");
    EXPECT_NE(log.find("\r\nCALLSIGN: DL/UA9XXX\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find(" 1200 DL/UA9XXX     599 1      W1AW "), std::string::npos) << log;
    for (const char* file : {"database/DL_UA9XXX.idx", "database/DL_UA9XXX.bdx", "statistics/DL_UA9XXX.sf",
                             "statistics/DL_UA9XXX.wpx"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(PathOf(file))) << file;
    }
    EXPECT_EQ(Cli({"status", "W1XYZ"}).out, "W1 - WORKED PREFIX\n\n");
    const std::string score = Cli({"score"}).out;
    EXPECT_NE(score.find("20 m\t3\t3\t"), std::string::npos) << score;

    const auto edited = Cli({"edit", "1", "W2AW", "2024-11-30", "1200", "20", "CW", "1", "2"});
    EXPECT_EQ(edited.exitCode, 0) << edited.err;
    EXPECT_EQ(Cli({"delete", "2"}).exitCode, 0);
    const auto reloaded = Cli({"reload"});
    EXPECT_EQ(reloaded.exitCode, 0) << reloaded.err;
    EXPECT_NE(reloaded.out.find("20 m\t2\t2\t"), std::string::npos) << reloaded.out;
    EXPECT_EQ(Cli({"score"}).out, reloaded.out);
    EXPECT_EQ(Cli({"status", "W2XYZ"}).out, "W2 - WORKED PREFIX\n\n");
    EXPECT_EQ(Read("database/DL_UA9XXX.idx"), "W2AW          JA1ABC        ");
    EXPECT_EQ(Folders(), (std::set<std::string>{"database", "dxcc", "statistics"}));
}

}  // namespace
}  // namespace tallyhawk
