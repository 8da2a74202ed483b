// The inputs of the contest rules worked out from a saved contact's call and summary text, shared by
// the per-contact update and the recount.
#pragma once

#include <optional>
#include <string_view>

#include "callsign/country_table.h"
#include "scoring/contest_rules.h"

namespace tallyhawk {

// One country lookup; the WPX prefix always, the CQ-M key when asked for. Nothing when the summary's
// band is none of the six (such a contact earns no points and no multiplier).
std::optional<ContactFacts> ReadContactFacts(std::string_view call, std::string_view summary,
                                             CountryTable& countries, bool cqmKey);

}  // namespace tallyhawk
