// The entry kinds of a multiplier file: the bytes written for a key and the needle that finds it again.
#pragma once

#include <string>
#include <string_view>

namespace tallyhawk {

// One multiplier as a file stores it. A file is the plain concatenation of such entries, so its size
// divided by the entry width is its multiplier count.
struct MultiplierEntry {
    std::string bytes;   // exactly the entry width
    std::string needle;  // searched as a plain substring of the whole file
};

// " " + key in 6 bytes; found as " KEY ". A five-character key leaves no trailing blank, so it is
// found only once another entry follows it; a longer key is cut and never found again.
MultiplierEntry CountryEntry(std::string_view key);

// " " + key in 4 bytes; found as " KEY ".
MultiplierEntry CodeEntry(std::string_view key);

// " " + key + " " in 4 bytes (US states and Canadian provinces); found as " KEY ".
MultiplierEntry StateEntry(std::string_view key);

// " " + key in 6 bytes; found as those six bytes.
MultiplierEntry PaddedEntry(std::string_view key);

// The key itself in 6 bytes; found as the bare key, so a prefix inside a longer stored one counts as worked.
MultiplierEntry BarePrefixEntry(std::string_view key);

// One character, found as itself.
MultiplierEntry LetterEntry(char letter);

}  // namespace tallyhawk
