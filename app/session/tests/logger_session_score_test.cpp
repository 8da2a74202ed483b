// The statistics of each save and the score display, through the session.
#include "tests/support/session_fixture.h"

namespace tallyhawk {
namespace {

namespace fs = std::filesystem;

using Rows = std::vector<std::vector<std::string>>;

class SessionScoreTest : public testing::SessionFixture {
protected:
    void SetUp() override {
        SessionFixture::SetUp();
        CopyTestData("scoring_dxcc", "dxcc");
        Configure({{"Callsign", "UA3XYZ"}, {"Contest", "CQ"}, {"Band", "20"}, {"Mode", "CW"},
                   {"Continent", "EU"}, {"Date", "2024-11-30"}});
    }

    static void Save(LoggerSession& session, std::string_view call, std::string_view zone) {
        EXPECT_TRUE(SessionFixture::Save(session, call, zone, "16").sounds.empty());
    }

    static Rows Cells(const LoggerSession& session) {
        Rows rows;
        for (const ScoreRow& row : session.CurrentScreen().scoreGrid.rows) rows.push_back(row.cells);
        return rows;
    }

};

TEST_F(SessionScoreTest, EachSaveIsIndexedOnceScoredAndShown) {
    LoggerSession session = Started();
    EXPECT_EQ(Read("statistics/UA3XYZ.sf"),
              "10mQSO: 0/0\r\n15mQSO: 0/0\r\n20mQSO: 0/0\r\n40mQSO: 0/0\r\n80mQSO: 0/0\r\n160mQSO: 0/0\r\n");
    Save(session, " DL1ABC", "14");
    Save(session, "W1AW", "05");
    session.SetFieldText(Field::Band, "40");
    Save(session, "DL2XYZ", "14");
    EXPECT_EQ(fs::file_size(PathOf("database/UA3XYZ.idx")), 3 * 14u);
    EXPECT_EQ(Read("database/UA3XYZ.idx").substr(0, 14), "DL1ABC        ");
    EXPECT_EQ(Read("statistics/20m.x"), " DL    W    ");
    EXPECT_EQ(Cells(session), (Rows{{"Band", "QSO", "DXCC", "Zone", "QSO Points"},
                                    {"10 m", "0", "0", "0", "0"},
                                    {"15 m", "0", "0", "0", "0"},
                                    {"20 m", "2", "2", "2", "4"},
                                    {"40 m", "1", "1", "1", "1"},
                                    {"80 m", "0", "0", "0", "0"},
                                    {"160 m", "0", "0", "0", "0"}}));
    EXPECT_EQ(session.CurrentScreen().scoreLabel, std::to_string(5 * 6));
    EXPECT_EQ(Read("statistics/UA3XYZ.sf"),
              "10mQSO: 0/0\r\n15mQSO: 0/0\r\n20mQSO: 2/4\r\n40mQSO: 1/1\r\n80mQSO: 0/0\r\n160mQSO: 0/0\r\n");
}

TEST_F(SessionScoreTest, RestartRestoresTheCountersFromTheScoreFile) {
    {
        LoggerSession first = Started();
        Save(first, "DL1ABC", "14");
        Save(first, "W1AW", "05");
    }
    LoggerSession restarted = Started();
    EXPECT_EQ(restarted.QsoCounters().Count(Band::M20), 2);
    EXPECT_EQ(restarted.PointCounters().Points(Band::M20), 4);
    EXPECT_EQ(restarted.CurrentScreen().scoreLabel, std::to_string(4 * 4));
    Save(restarted, "JA1ABC", "25");
    EXPECT_EQ(restarted.QsoCounters().Count(Band::M20), 3);
    EXPECT_EQ(restarted.CurrentScreen().scoreLabel, std::to_string(7 * 6));
}

TEST_F(SessionScoreTest, LabelCellsTellWhetherTheSavedCountryIsWorkedOnEachBand) {
    LoggerSession session = Started();
    Save(session, "DL1ABC", "14");  // the display runs while the call is still in the row
    const auto& rows = session.CurrentScreen().scoreGrid.rows;
    const std::int32_t worked = Rgb(255, 200, 200);
    const std::int32_t fresh = Rgb(200, 255, 200);
    EXPECT_EQ(rows[0].labelColor, std::nullopt);
    EXPECT_EQ(rows[3].labelColor, worked);  // 20 m
    EXPECT_EQ(rows[4].labelColor, fresh);   // 40 m
}

TEST_F(SessionScoreTest, UnknownContestShowsNoGridAndScoresNothing) {
    m_store.WriteString(kSettingsGroup, "Contest", "XYZ");
    LoggerSession session = Started();
    Save(session, "DL1ABC", "14");
    EXPECT_TRUE(session.CurrentScreen().scoreGrid.rows.empty());
    EXPECT_EQ(session.CurrentScreen().scoreLabel, "0");
    EXPECT_EQ(fs::file_size(PathOf("database/UA3XYZ.idx")), 14u);
    EXPECT_EQ(session.QsoCounters().Count(Band::M20), 1);
}

}  // namespace
}  // namespace tallyhawk
