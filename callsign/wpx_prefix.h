// The WPX prefix of a call sign: the letter/digit combination that the WPX contest counts and that the
// country lookup starts from.
#pragma once

#include <string>
#include <string_view>

namespace tallyhawk {

// The WPX prefix of a call as typed; empty when no rule matches (for example "3DA0ABC"). Only the first
// "/" counts. Bytes are classed as signed values: 0x80-0xFF count as digits, positions past the end as 0.
std::string WpxPrefix(std::string_view call);

}  // namespace tallyhawk
