// What the country table tells about one call, as the lookup command and the information panel show it.
#pragma once

#include <string>
#include <string_view>

#include "callsign/country_table.h"

namespace tallyhawk {

struct CallSummary {
    std::string call;             // blanks at both ends removed
    std::string principalPrefix;  // empty for an unknown country
    std::string name;             // first 26 characters of the record, trailing blanks removed
    std::string cqZone;           // columns 26-27 without a trailing ":", trimmed
    std::string continent;        // columns 38-39
    std::string wpxPrefix;
    std::string cqmKey;  // the CQ-M country of the call
};

CallSummary SummarizeCall(CountryTable& table, std::string_view call);

}  // namespace tallyhawk
