// The country record: the first 40 characters of a country file line, which a lookup returns and each
// caller cuts its fields from. The country file builder writes it from the same declaration.
// Columns are counted from 0, as in the country file.
#pragma once

#include <cstddef>

namespace tallyhawk {

struct RecordField {
    std::size_t offset;  // from 0
    std::size_t width;
};

inline constexpr std::size_t kCountryRecordLength = 40;

namespace country_record {
inline constexpr RecordField kName{0, 26};             // left-aligned, blank-padded
inline constexpr RecordField kCqZone{26, 2};           // two digits, or one digit and ":"
inline constexpr RecordField kPrincipalPrefix{31, 6};  // the prefix, the ":" that ends it, blanks
inline constexpr std::size_t kColonBeforeContinent = 37;
inline constexpr RecordField kContinent{38, 2};  // "EU", "OC", ...
}  // namespace country_record

// The ":" after the prefix must fit in its field.
inline constexpr std::size_t kLongestPrincipalPrefix = country_record::kPrincipalPrefix.width - 1;

static_assert(country_record::kPrincipalPrefix.offset + country_record::kPrincipalPrefix.width ==
              country_record::kColonBeforeContinent);
static_assert(country_record::kContinent.offset + country_record::kContinent.width == kCountryRecordLength);

}  // namespace tallyhawk
