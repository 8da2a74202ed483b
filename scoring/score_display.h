// The score summary as data: the rows of the score grid (header first), the colour of each row's label
// cell and the claimed score, built from the counters and the multiplier files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/qso_record.h"
#include "scoring/band_point_counters.h"
#include "scoring/score_layout.h"
#include "scoring/statistics_store.h"

namespace tallyhawk {

// Whether the call being typed would be a new multiplier in a row: Unchanged when there is no key.
enum class MultiplierHighlight { Unchanged, Worked, New };

struct ScoreRow {
    std::vector<std::string> cells;
    MultiplierHighlight highlight = MultiplierHighlight::Unchanged;
    std::optional<std::int32_t> labelColor;  // the label cell's background; none: the grid's own colour
};

struct ScoreGrid {
    std::vector<int> columnWidths;  // empty: the front end chooses
    bool centred = false;
    std::vector<ScoreRow> rows;     // the header row first
};

struct ScoreDisplay {
    ScoreGrid grid;
    std::int64_t claimedScore = 0;
};

struct ScoreCounters {
    const BandQsoCounters& qsos;
    const BandPointCounters& points;
};

// `highlightKey` is the key the layout's highlight asks for, already worked out from the entry row;
// empty leaves every label cell as it was.
ScoreDisplay BuildScoreDisplay(const ScoreLayout& layout, ScoreCounters counters, const StatisticsStore& store,
                               std::string_view ownCall, std::string_view highlightKey);

struct HighlightColors {
    std::int32_t worked;  // "GridBackColorWorked"
    std::int32_t fresh;   // "GridBackColorNotWorked"
};

// Colours the label cells by their highlight; an unchanged cell keeps the colour it had in `previous`.
void ColourLabelCells(ScoreGrid& grid, const ScoreGrid& previous, HighlightColors colors);

// The claimed score as the score label shows it.
std::string ScoreLabelText(std::int64_t claimedScore);

}  // namespace tallyhawk
