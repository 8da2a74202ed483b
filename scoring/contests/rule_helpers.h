// Small tests and steps that several contest rules share.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "callsign/code_lists.h"
#include "core/text.h"
#include "scoring/contest_rules.h"

namespace tallyhawk {

// The last n characters, or the whole text when it is shorter.
inline std::string_view LastChars(std::string_view text, std::size_t n) {
    return text.size() <= n ? text : text.substr(text.size() - n);
}

// A key is in a list when " KEY " occurs in it; bare, when the key itself occurs anywhere in it.
inline bool InList(std::string_view list, std::string_view key) { return ListContainsCode(list, key); }
inline bool InListBare(std::string_view list, std::string_view key) {
    return list.find(key) != std::string_view::npos;
}

// W and VE: the two countries of the ARRL contests.
inline bool IsUsOrCanada(std::string_view country) { return country == "W" || country == "VE"; }

// Points in the order 10, 15, 20, 40, 80, 160 m.
inline int PointsByBand(Band band, const std::array<int, 6>& points) {
    return points[static_cast<std::size_t>(BandIndex(band))];
}

// The contact's band file of a kind: "20m.x".
inline std::string BandFile(const ContactFacts& q, std::string_view kind) { return BandFileName(q.band, kind); }

// The character code as the rules compare it: signed, so bytes from 0x80 on sort below the digits.
inline int CharCode(char c) { return static_cast<signed char>(c); }

// The multiplier files a contest keeps.
inline constexpr MultiplierFileSet kCountries{false, "x", false};
inline constexpr MultiplierFileSet kCountriesAndZones{false, "xz", false};
inline constexpr MultiplierFileSet kThreeKinds{false, "xyz", false};
inline constexpr MultiplierFileSet kPrefixes{true, "x", false};
inline constexpr MultiplierFileSet kModeFiles{false, "", true};

}  // namespace tallyhawk
