// The AD1C country file (cty.dat as country-files.com publishes it): its countries, their prefixes and
// exact calls, and the country it gives a call (an exact-call entry first, then the longest prefix).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "callsign/blank_words.h"

namespace tallyhawk {

struct SourceCountry {
    std::string name;
    int cqZone = 0;
    int ituZone = 0;
    std::string continent;
    std::string primaryPrefix;  // without the "*" that marks a country of the WAE list only
};

// Where a prefix or exact call places a call: the country and the zone and continent it gives there.
struct SourceTarget {
    int country = -1;
    int cqZone = 0;
    std::string continent;
    bool operator==(const SourceTarget&) const = default;
};

struct CountrySource {
    std::vector<SourceCountry> countries;
    WordMap<SourceTarget> prefixes;
    WordMap<SourceTarget> exactCalls;
    std::size_t longestPrefix = 0;
};

// Reads the records "Name: CQ: ITU: Continent: Lat: Lon: TZ: Prefix:" followed by their comma-separated
// entries up to ";". A malformed record is skipped; a text without any record gives no countries.
CountrySource ParseCountrySource(std::string_view text);

// The target of the longest prefix entry that begins `text`; nullptr when none does.
const SourceTarget* ResolvePrefix(const CountrySource& source, std::string_view text);

// The target of an exact-call entry for the call, else of its longest prefix; nullptr when none.
const SourceTarget* ResolveCall(const CountrySource& source, std::string_view call);

}  // namespace tallyhawk
