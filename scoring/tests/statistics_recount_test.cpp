// The recount's batches: nothing reaches the statistics files between flushes, and each flush writes
// every multiplier file of the contest whole.
#include "scoring/statistics_recount.h"

#include <algorithm>

#include "database/contest_index.h"
#include "scoring/tests/scoring_folder_fixture.h"

namespace tallyhawk {
namespace {

namespace fs = std::filesystem;

class StatisticsRecountTest : public testing::ScoringFolderFixture {
protected:
    void Recount(std::string_view contest, std::string_view call, std::string_view summary, bool flush) {
        const ProgramFolder folder(Folder());
        m_countries->BeginOperation();
        m_recount.Recount({folder, contest, m_own, *m_countries}, call, summary, flush, m_points);
    }

    std::vector<std::string> StatisticsFileNames() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(PathOf("statistics"))) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    OwnStation m_own{"UA3ABC", "RA1", "EU"};
    StatisticsRecount m_recount;
    BandPointCounters m_points;
};

TEST_F(StatisticsRecountTest, FilesChangeOnlyAtAFlushAndHoldTheWholeListSoFar) {
    Recount("CQ", " DL1ABC ", "2024-11-30,1200,20,CW,16,14", false);
    EXPECT_EQ(m_points.Points(Band::M20), 1);  // the points count at once
    EXPECT_TRUE(StatisticsFileNames().empty());
    EXPECT_FALSE(fs::exists(PathOf("database/UA3ABC.idx")));

    Recount("CQ", "W1AW", "2024-11-30,1201,20,CW,16,05", true);
    EXPECT_EQ(Read("database/UA3ABC.idx"), "DL1ABC        W1AW          ");
    EXPECT_EQ(Read("database/UA3ABC.bdx").size(), 2 * kContestIndexRecordSize);
    EXPECT_EQ(StatisticsFileNames(),
              (std::vector<std::string>{"10m.x", "10m.z", "15m.x", "15m.z", "160m.x", "160m.z", "20m.x",
                                        "20m.z", "40m.x", "40m.z", "80m.x", "80m.z"}));
    EXPECT_EQ(Read("statistics/20m.x"), " DL    W    ");
    EXPECT_EQ(Read("statistics/20m.z"), " 14  05 ");
    EXPECT_EQ(Read("statistics/40m.x"), "");

    Recount("CQ", "DL2XYZ", "2024-11-30,1202,20,CW,16,14", false);
    Write("statistics/20m.x", "lost since the last flush");
    Recount("CQ", "", "", true);  // the extra call after a log's closing lines
    EXPECT_EQ(Read("statistics/20m.x"), " DL    W    ");
    EXPECT_EQ(Read("database/UA3ABC.idx").size(), 3 * kContestIndexEntrySize);
    EXPECT_EQ(m_points.Points(Band::M20), 5);

    m_recount.Reset();
    Recount("CQ", "JA1ABC", "2024-11-30,1203,20,CW,16,25", true);
    EXPECT_EQ(Read("statistics/20m.x"), " JA   ");
}

TEST_F(StatisticsRecountTest, EachContestWritesItsOwnFiles) {
    m_own = {"W1XYZ", "W", "NA"};
    Recount("WPX", "DL1ABC", "2024-11-30,1200,15,CW,1,1", true);
    EXPECT_EQ(Read("statistics/W1XYZ.wpx"), "DL1   ");
    EXPECT_EQ(Read("statistics/15m.x"), "DL1   ");
    EXPECT_EQ(StatisticsFileNames().size(), 7u);

    fs::remove_all(PathOf("statistics"));
    Recount("XYZ", "DL1ABC", "2024-11-30,1200,15,CW,1,1", true);  // an unknown contest scores nothing
    EXPECT_FALSE(fs::exists(PathOf("statistics")));
    EXPECT_EQ(ContestIndexCount(ContestIndexFilesFor(ProgramFolder(Folder()), "W1XYZ")), 2u);
}

}  // namespace
}  // namespace tallyhawk
