// The score summary as data.
#include "scoring/score_display.h"

#include <numeric>

namespace tallyhawk {
namespace {

std::vector<std::string> HeaderCells(const ScoreLayout& layout) {
    std::vector<std::string> cells{std::string(layout.firstHeader), "QSO"};
    for (const auto& column : layout.columns) cells.emplace_back(column.header);
    cells.emplace_back(layout.pointsHeader);
    return cells;
}

// The multiplier count of each column of a row: the file size over the entry width.
std::vector<std::uintmax_t> MultiplierCounts(const ScoreLayout& layout, const ScoreRowSource& row,
                                             const StatisticsStore& store) {
    std::vector<std::uintmax_t> counts;
    for (const auto& column : layout.columns) {
        counts.push_back(store.Count(row.filePrefix + std::string(column.kind), column.width));
    }
    return counts;
}

std::vector<std::string> RowCells(const ScoreRowSource& row, const std::vector<std::uintmax_t>& multipliers,
                                  ScoreCounters counters) {
    const int qsos = row.qsosFromPointSlot ? counters.points.Points(row.qsoSlot) : counters.qsos.Count(row.qsoSlot);
    std::vector<std::string> cells{row.label, std::to_string(qsos)};
    for (std::uintmax_t count : multipliers) cells.push_back(std::to_string(count));
    cells.push_back(std::to_string(counters.points.Points(row.pointSlot)));
    return cells;
}

// The key is searched as " KEY " in the row's first multiplier file.
MultiplierHighlight RowHighlight(const ScoreLayout& layout, const ScoreRowSource& row, const StatisticsStore& store,
                                 std::string_view key) {
    if (layout.highlight == HighlightKey::None || key.empty()) return MultiplierHighlight::Unchanged;
    const std::string text = store.Text(row.filePrefix + std::string(layout.highlightKind));
    const std::string needle = " " + std::string(key) + " ";
    return text.find(needle) != std::string::npos ? MultiplierHighlight::Worked : MultiplierHighlight::New;
}

std::int64_t ClaimedPoints(const ScoreLayout& layout, const BandPointCounters& points) {
    std::int64_t total = 0;
    for (Band band : kBands) {
        if (layout.scoredPointSlots.Contains(band)) total += points.Points(band);
    }
    return total;
}

}  // namespace

ScoreDisplay BuildScoreDisplay(const ScoreLayout& layout, ScoreCounters counters, const StatisticsStore& store,
                               std::string_view ownCall, std::string_view highlightKey) {
    ScoreDisplay display;
    display.grid.columnWidths = layout.columnWidths;
    display.grid.centred = layout.centred;
    display.grid.rows.push_back({HeaderCells(layout), MultiplierHighlight::Unchanged, std::nullopt});
    std::uintmax_t multipliers = 0;
    for (const auto& row : layout.rows) {
        const std::vector<std::uintmax_t> counts = MultiplierCounts(layout, row, store);
        multipliers = std::accumulate(counts.begin(), counts.end(), multipliers);
        display.grid.rows.push_back(
            {RowCells(row, counts, counters), RowHighlight(layout, row, store, highlightKey), std::nullopt});
    }
    // WPX scores its prefixes once per contest, not the sum of the prefixes new on each band.
    if (layout.multipliersFromWpxFile) multipliers = store.Count(WpxFileName(ownCall), 6);
    display.claimedScore = ClaimedPoints(layout, counters.points) * static_cast<std::int64_t>(multipliers);
    return display;
}

void ColourLabelCells(ScoreGrid& grid, const ScoreGrid& previous, HighlightColors colors) {
    for (std::size_t i = 0; i < grid.rows.size(); ++i) {
        ScoreRow& row = grid.rows[i];
        if (row.highlight == MultiplierHighlight::Worked) {
            row.labelColor = colors.worked;
        } else if (row.highlight == MultiplierHighlight::New) {
            row.labelColor = colors.fresh;
        } else if (i < previous.rows.size()) {
            row.labelColor = previous.rows[i].labelColor;
        }
    }
}

std::string ScoreLabelText(std::int64_t claimedScore) { return std::to_string(claimedScore); }

}  // namespace tallyhawk
