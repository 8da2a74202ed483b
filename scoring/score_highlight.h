// The key that colours the score grid's label cells, worked out from the entry row.
#pragma once

#include <string>
#include <string_view>

#include "callsign/country_table.h"
#include "scoring/score_layout.h"

namespace tallyhawk {

// Empty when the layout has no highlight or the typed call gives no key.
std::string HighlightKeyFor(HighlightKey highlight, std::string_view callField, std::string_view exchangeField,
                            CountryTable& countries);

}  // namespace tallyhawk
