// Score summary layouts shared by several contests.
#include "scoring/score_layout.h"

namespace tallyhawk {

std::vector<ScoreRowSource> BandRows(BandSet bands) {
    std::vector<ScoreRowSource> rows;
    for (Band band : kBands) {
        if (!bands.Contains(band)) continue;
        rows.push_back({std::string(BandListText(band)), std::string(BandShortCode(band)) + "m.", band, false, band});
    }
    return rows;
}

ScoreLayout BandLayout(std::vector<MultiplierColumn> columns, BandSet rows) {
    ScoreLayout layout;
    layout.columns = std::move(columns);
    layout.rows = BandRows(rows);
    return layout;
}

ScoreLayout CountryAndZoneLayout(std::string_view countryHeader, std::string_view zoneHeader) {
    ScoreLayout layout = BandLayout({{countryHeader, "x", 6}, {zoneHeader, "z", 4}});
    layout.pointsHeader = "QSO Points";
    return layout;
}

}  // namespace tallyhawk
