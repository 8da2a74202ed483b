// tallyhawk-cli export, check, import --any and import-log on real logs of other programs.
#include <sstream>

#include "core/file_io.h"
#include "tests/support/cli_fixture.h"

namespace tallyhawk {
namespace {

const std::filesystem::path kRealData = TALLYHAWK_REALDATA;
const std::filesystem::path kExternalFiles = TALLYHAWK_EXTERNAL_FILES;

// The fields of the QSO: lines of a Cabrillo text from the worked call on (call, report, exchange).
std::vector<std::string> WorkedSides(const std::string& cabrillo) {
    std::vector<std::string> sides;
    std::istringstream lines(cabrillo);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("QSO:")) continue;
        std::istringstream words(line);
        std::vector<std::string> fields;
        for (std::string word; words >> word;) fields.push_back(word);
        sides.push_back(fields.at(3) + " " + fields.at(4) + " " + fields.at(8) + " " + fields.at(9) + " " +
                        fields.at(10));
    }
    return sides;
}

class AfterContestCliTest : public testing::CliFixture {
protected:
    void SetUp() override {
        std::error_code error;
        if (!std::filesystem::is_directory(kRealData, error) || !std::filesystem::is_directory(kExternalFiles, error)) {
            GTEST_SKIP() << "no real files";
        }
        CliFixture::SetUp();
        CopyShippedDxcc();
    }
};

TEST_F(AfterContestCliTest, ImportLogTakesOverARealLogAndTheExportGivesItsContactsBack) {
    const auto original = kRealData / "cabrillo/ham2k_cqww-cw.log";  // N1MM Logger+, KI2D, 11 contacts
    const auto imported = Cli({"import-log", original.string()});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_TRUE(imported.out.starts_with("11 contacts of contest CQ for KI2D written to ")) << imported.out;
    EXPECT_NE(Read("t.ini").find("Callsign=KI2D"), std::string::npos);
    // The reload's score is what score prints afterwards, and the new log passes the file check.
    const auto score = Cli({"score"});
    EXPECT_NE(imported.out.find(score.out), std::string::npos) << imported.out << score.out;
    EXPECT_EQ(Cli({"validate", PathOf("KI2D.cbr").string()}).exitCode, 0);
    ASSERT_EQ(Cli({"set", "Continent=NA"}).exitCode, 0);
    const auto exported = Cli({"export", "cabrillo"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(WorkedSides(Read("KI2D-CQ-WW-CW.log")), WorkedSides(ReadFileOrEmpty(original)));
    // A second import would overwrite the log: refused, the log as it was.
    const std::string log = Read("KI2D.cbr");
    EXPECT_EQ(Cli({"import-log", original.string()}).exitCode, 1);
    EXPECT_EQ(Read("KI2D.cbr"), log);
}

TEST_F(AfterContestCliTest, ImportLogRefusesAContestOfAnotherSponsorAndWritesNothing) {
    const auto result = Cli({"import-log", (kRealData / "cabrillo/ham2k_naqp-rtty.log").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("The contest NAQP-RTTY of "), std::string::npos) << result.err;
    for (const auto& [name, contents] : FilesOf({"."})) EXPECT_FALSE(name.ends_with(".cbr")) << name;
}

TEST_F(AfterContestCliTest, ImportAnyReadsAWsjtxLogIntoTheLogbookForTheHistory) {
    const auto result = Cli({"import", "--any", (kExternalFiles / "adif_real/ei3kf_wsjtx_log.adi").string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "QSO: 558\nComplete\n");
    // The first record: S56UVB, 2017-10-31 13:51, 30 m FT8.
    EXPECT_TRUE(Cli({"history", "S56UVB"}).out.starts_with("2017-10-31\t13:51\t30\tFT8\t\n"));
    // The file-checked import refuses the same file and leaves the logbook alone.
    const std::string logbook = Read("database/Logbook.idx");
    EXPECT_EQ(Cli({"import", (kExternalFiles / "adif_real/ei3kf_wsjtx_log.adi").string()}).exitCode, 1);
    EXPECT_EQ(Read("database/Logbook.idx"), logbook);
}

TEST_F(AfterContestCliTest, CheckListsTheFindingsAndExportWritesWhereItIsTold) {
    ASSERT_EQ(Cli({"set", "Callsign=DL1XYZ", "Contest=CQ", "Band=20", "Mode=CW", "Continent=EU", "Date=2024-11-23",
                   "CategoryPower=LOW", "Email=dl1xyz@example.org"}).exitCode, 0);
    ASSERT_EQ(Cli({"log", "--batch", "-"}, "20 CW 2024-11-23 1200 W1AW 14 05\n20 CW 2024-11-23 1201 W1AW 14 05\n")
                  .exitCode, 0);
    const auto check = Cli({"check"});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(check.out, "line 16: duplicate of line 15: W1AW on 20 m CW\n1 finding, 2 contacts\n");
    ASSERT_EQ(Cli({"delete", "2"}).exitCode, 0);
    EXPECT_EQ(Cli({"check"}).out, "0 findings, 1 contact\n");
    const auto exported = Cli({"export", "adif", "--output", PathOf("contest.adi").string()});
    EXPECT_EQ(exported.exitCode, 0);
    EXPECT_EQ(exported.out, "1 contacts written to " + PathOf("contest.adi").string() + "\n");
    EXPECT_EQ(Cli({"export", "summary"}).exitCode, 2);
    const auto refused = Cli({"set", "CategoryPower=MED"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "CategoryPower: the value is not allowed (one of: HIGH LOW QRP)\n");
}

}  // namespace
}  // namespace tallyhawk
