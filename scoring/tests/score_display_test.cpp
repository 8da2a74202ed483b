#include "scoring/contest_table.h"
#include "scoring/score_display.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows Cells(const ScoreGrid& grid) {
    Rows rows;
    for (const ScoreRow& row : grid.rows) rows.push_back(row.cells);
    return rows;
}

class ScoreDisplayTest : public testing::ProgramFolderFixture {
protected:
    ScoreDisplay Display(std::string_view contest, const OwnStation& own, std::string_view key = "") {
        const StatisticsStore store{ProgramFolder(Folder())};
        return BuildScoreDisplay(RulesFor(contest)->layout(own), {m_qsos, m_points}, store, own.call, key);
    }

    BandQsoCounters m_qsos;
    BandPointCounters m_points;
};

TEST_F(ScoreDisplayTest, Arrl10mShowsOneRowPerModeFromItsPointSlots) {
    Write("statistics/cw.cq", " DL    JA   ");
    Write("statistics/cw.was", " MA ");
    Write("statistics/ssb.itu", " 2  ");
    m_points.Set(Band::M10, 12);   // CW points
    m_points.Set(Band::M15, 3);    // CW contacts
    m_points.Set(Band::M80, 2);    // phone contacts
    m_points.Set(Band::M160, 10);  // phone points
    m_qsos.Set(Band::M10, 5);
    const ScoreDisplay display = Display("A10", {"W1XYZ", "W", "NA"});
    EXPECT_EQ(Cells(display.grid), (Rows{{"Mode", "QSO", "DXCC", "WAS", "ITU", "Points"},
                                         {"CW", "3", "2", "1", "0", "12"},
                                         {"SSB", "2", "0", "0", "1", "10"}}));
    EXPECT_EQ(display.grid.columnWidths, (std::vector<int>{40, 40, 40, 35, 35, 51}));
    EXPECT_TRUE(display.grid.centred);
    EXPECT_EQ(display.claimedScore, 22 * 4);
}

TEST_F(ScoreDisplayTest, ColumnsFollowTheOperatorsCountry) {
    Write("statistics/20m.x", " F    ");
    Write("statistics/20m.y", " ON4   OO5  ");
    Write("statistics/20m.z", " AN ");
    m_qsos.Set(Band::M20, 4);
    m_points.Set(Band::M20, 24);
    m_points.Set(Band::M160, 100);  // outside the contest's bands: neither shown nor scored
    const ScoreDisplay foreign = Display("UBD", {"DL1XYZ", "DL", "EU"});
    EXPECT_EQ(Cells(foreign.grid), (Rows{{"Band", "QSO", "Prov", "Pfx", "Euro", "Points"},
                                         {"10 m", "0", "0", "0", "0", "0"},
                                         {"15 m", "0", "0", "0", "0", "0"},
                                         {"20 m", "4", "1", "2", "1", "24"},
                                         {"40 m", "0", "0", "0", "0", "0"},
                                         {"80 m", "0", "0", "0", "0", "0"}}));
    EXPECT_EQ(foreign.claimedScore, 24 * 4);
    const ScoreDisplay home = Display("UBD", {"ON4XYZ", "ON", "EU"});
    EXPECT_EQ(Cells(home.grid)[0], (std::vector<std::string>{"Band", "QSO", "DXCC", "Points"}));
    EXPECT_EQ(home.claimedScore, 24 * 1);
}

TEST_F(ScoreDisplayTest, WpxScoresTheWholeContestPrefixFile) {
    Write("statistics/DL1XYZ.wpx", "DL1   W1    AK1   ");
    Write("statistics/20m.x", "DL1   ");
    m_points.Set(Band::M20, 7);
    const ScoreDisplay display = Display("WPX", {"DL1XYZ", "DL", "EU"}, "DL");
    EXPECT_EQ(Cells(display.grid)[0], (std::vector<std::string>{"Band", "QSO", "New Prefix", "QSO Points"}));
    EXPECT_EQ(display.claimedScore, 7 * 3);
    EXPECT_EQ(display.grid.rows[3].highlight, MultiplierHighlight::Unchanged);  // WPX has no highlight
}

TEST_F(ScoreDisplayTest, LabelCellsShowWhetherTheKeyIsWorkedOnTheirBand) {
    Write("statistics/20m.x", " DL    GM   ");
    const OwnStation own{"UA3XYZ", "RA1", "EU"};
    ScoreDisplay display = Display("CQ", own, "G");  // G occurs in GM but not as " G "
    EXPECT_EQ(display.grid.rows[3].highlight, MultiplierHighlight::New);
    display = Display("CQ", own, "DL");
    EXPECT_EQ(display.grid.rows[0].highlight, MultiplierHighlight::Unchanged);  // header
    EXPECT_EQ(display.grid.rows[1].highlight, MultiplierHighlight::New);        // 10 m: no file
    EXPECT_EQ(display.grid.rows[3].highlight, MultiplierHighlight::Worked);

    const HighlightColors colors{111, 222};
    ColourLabelCells(display.grid, {}, colors);
    EXPECT_EQ(display.grid.rows[0].labelColor, std::nullopt);
    EXPECT_EQ(display.grid.rows[1].labelColor, 222);
    EXPECT_EQ(display.grid.rows[3].labelColor, 111);
    ScoreDisplay next = Display("CQ", own, "");  // no key: every cell keeps its colour
    ColourLabelCells(next.grid, display.grid, colors);
    EXPECT_EQ(next.grid.rows[1].labelColor, 222);
    EXPECT_EQ(next.grid.rows[3].labelColor, 111);
}

}  // namespace
}  // namespace tallyhawk
