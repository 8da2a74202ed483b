// The call information panel shown when the operator leaves the call field: four rows of a caption and
// a value. Without a callbook they come from the country table.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "callsign/country_table.h"

namespace tallyhawk {

struct CallInfoRow {
    std::string caption;  // "DXCC:", "WPX:", ...
    std::string value;
    std::string_view valueColor = "ColorText";  // colour setting of the value ("AlarmColor" for not found)
    bool operator==(const CallInfoRow&) const = default;
};

using CallInfoRows = std::array<CallInfoRow, 4>;

// Country name, WPX prefix, CQ zone and continent of the call as typed. An unknown country shows the
// four captions with empty values.
CallInfoRows CountryTableRows(CountryTable& countries, std::string_view call);

}  // namespace tallyhawk
