#include "scoring/score_file.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

TEST(ScoreFileText, SixLinesInBandOrder) {
    BandQsoCounters qsos;
    BandPointCounters points;
    qsos.Set(Band::M20, 12);
    points.Set(Band::M20, 30);
    qsos.Set(Band::M160, 1);
    points.Set(Band::M160, 3);
    EXPECT_EQ(FormatScoreFile(qsos, points),
              "10mQSO: 0/0\r\n15mQSO: 0/0\r\n20mQSO: 12/30\r\n40mQSO: 0/0\r\n80mQSO: 0/0\r\n160mQSO: 1/3\r\n");
}

TEST(ScoreFileText, LinesAreRecognisedByTheirBandKey) {
    const ScoreFileTotals totals = ParseScoreFile(
        "  160mQSO: 7/21 \r\n"
        "15mQSO:x/4\r\n"
        "junk\n"
        "10mQSO: 5 / 9\n"
        "40mQSO 3\n"
        "20mQSO: 2/6abc");
    EXPECT_EQ(totals[0].qsos, 5);
    EXPECT_EQ(totals[0].points, 9);
    EXPECT_EQ(totals[1].qsos, 0);  // not a number
    EXPECT_EQ(totals[1].points, 4);
    EXPECT_EQ(totals[2].qsos, 2);
    EXPECT_EQ(totals[2].points, 6);
    EXPECT_EQ(totals[3].qsos, 0);  // no ":" and "/"
    EXPECT_EQ(totals[4].qsos, 0);  // missing band
    EXPECT_EQ(totals[5].qsos, 7);
    EXPECT_EQ(totals[5].points, 21);
}

using ScoreFileMerge = testing::ProgramFolderFixture;

TEST_F(ScoreFileMerge, LargerValueWinsAndTheFileIsRewritten) {
    Write("statistics/UA1AAA.sf", "10mQSO: 5/9\n15mQSO: 1/1\n20mQSO: 0/0\n40mQSO: 0/0\n80mQSO: 0/0\n160mQSO: 0/0\n");
    const StatisticsStore store{ProgramFolder(Folder())};
    BandQsoCounters qsos;
    BandPointCounters points;
    qsos.Set(Band::M15, 4);
    points.Set(Band::M15, 12);
    MergeScoreFile(store, "UA1AAA", qsos, points);
    EXPECT_EQ(qsos.Count(Band::M10), 5);
    EXPECT_EQ(points.Points(Band::M10), 9);
    EXPECT_EQ(qsos.Count(Band::M15), 4);
    EXPECT_EQ(points.Points(Band::M15), 12);
    EXPECT_EQ(Read("statistics/UA1AAA.sf"),
              "10mQSO: 5/9\r\n15mQSO: 4/12\r\n20mQSO: 0/0\r\n40mQSO: 0/0\r\n80mQSO: 0/0\r\n160mQSO: 0/0\r\n");
}

TEST_F(ScoreFileMerge, MissingFileIsCreatedAndAnUnwritableOneLeavesTheCounters) {
    std::filesystem::remove_all(PathOf("statistics"));
    BandQsoCounters qsos;
    BandPointCounters points;
    qsos.Set(Band::M40, 2);
    MergeScoreFile(StatisticsStore{ProgramFolder(Folder())}, "UA1AAA", qsos, points);
    EXPECT_EQ(Read("statistics/UA1AAA.sf"),
              "10mQSO: 0/0\r\n15mQSO: 0/0\r\n20mQSO: 0/0\r\n40mQSO: 2/0\r\n80mQSO: 0/0\r\n160mQSO: 0/0\r\n");
    std::filesystem::remove(PathOf("statistics/UA1AAA.sf"));
    std::filesystem::create_directories(PathOf("statistics/UA1AAA.sf"));  // a folder in the file's place
    qsos.Set(Band::M40, 3);
    MergeScoreFile(StatisticsStore{ProgramFolder(Folder())}, "UA1AAA", qsos, points);
    EXPECT_EQ(qsos.Count(Band::M40), 3);
    EXPECT_EQ(points.Total(), 0);
}

}  // namespace
}  // namespace tallyhawk
