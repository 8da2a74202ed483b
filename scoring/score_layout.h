// How a contest's score summary is laid out: the multiplier columns and the files they count, the rows
// and the counters they show, the highlight of the label cells and what the claimed score sums.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/band.h"
#include "scoring/band_set.h"

namespace tallyhawk {

struct MultiplierColumn {
    std::string_view header;
    std::string_view kind;    // the file after the row's prefix: "x", "y", "z"; "cq", "was", "itu"
    std::uintmax_t width;     // entry width; 1 counts the file's bytes
};

struct ScoreRowSource {
    std::string label;       // "20 m", "CW"
    std::string filePrefix;  // "20m.", "cw."
    Band qsoSlot;
    bool qsosFromPointSlot;  // ARRL 10 M counts its contacts per mode in point slots
    Band pointSlot;
};

// The key whose multiplier file entry colours a row's label cell.
enum class HighlightKey {
    None,
    Country,              // principal prefix of the typed call
    CountryButWAndVe,     // ARRL 10 M: W and VE are counted as states, not countries
    CountryButSp,         // SP DX: the own country's stations are no multiplier
    ReceivedExchange,     // ARRL DX outside W/VE: the typed state
    CqmKey,               // CQ-M country key of the typed call
};

struct ScoreLayout {
    std::string_view firstHeader = "Band";
    std::vector<MultiplierColumn> columns;
    std::string_view pointsHeader = "Points";
    std::vector<ScoreRowSource> rows;
    std::vector<int> columnWidths;  // empty: the front end chooses
    bool centred = false;
    HighlightKey highlight = HighlightKey::Country;
    std::string_view highlightKind = "x";
    BandSet scoredPointSlots = kAllBands;  // the point slots the claimed score multiplies
    bool multipliersFromWpxFile = false;   // WPX: the whole-contest prefix file instead of the columns
};

// One row per band of the set, "10 m" down to "160 m", counting the band's files.
std::vector<ScoreRowSource> BandRows(BandSet bands);

// A layout with band rows, the given multiplier columns and "Points".
ScoreLayout BandLayout(std::vector<MultiplierColumn> columns, BandSet rows = kAllBands);

// Countries in <band>m.x and zones or oblasts in <band>m.z, with "QSO Points".
ScoreLayout CountryAndZoneLayout(std::string_view countryHeader, std::string_view zoneHeader);

}  // namespace tallyhawk
