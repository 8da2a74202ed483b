// The country keys that depend on the station itself: the CQ-M country key of a call and the
// own-country prefix computed at start-up.
#pragma once

#include <string>
#include <string_view>

#include "callsign/country_table.h"

namespace tallyhawk {

// The CQ-M country of a call whose principal prefix is `prefix`: Russian republics and special areas
// get their own key ("RA4P"), Ukrainian UU calls "UU5"; every other call keeps its prefix.
std::string CqmCountryKey(std::string_view call, std::string_view prefix);

// Whether the own country is told by its principal prefix or, in a contest counting CQ-M countries, by
// its CQ-M country key.
enum class OwnCountryKey { Prefix, CqmKey };

// The principal prefix of the own call's country, or its CQ-M country key.
std::string ComputeOwnCountryPrefix(CountryTable& table, std::string_view ownCall, OwnCountryKey key);

}  // namespace tallyhawk
