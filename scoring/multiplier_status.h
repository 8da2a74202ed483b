// The multiplier status of a typed call: before anything is saved, whether the call would bring a new
// multiplier in the contest and band in force, read from the statistics files that the saves keep.
// Only reads; no file is changed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "callsign/country_table.h"
#include "callsign/oblast_table.h"
#include "scoring/contest_rules.h"
#include "scoring/statistics_store.h"

namespace tallyhawk {

inline constexpr std::string_view kNewPrefix = " - NEW PREFIX";
inline constexpr std::string_view kWorkedPrefix = " - WORKED PREFIX";
inline constexpr std::string_view kNewCountry = " - NEW COUNTRY";
inline constexpr std::string_view kWorkedCountry = " - WORKED COUNTRY";
inline constexpr std::string_view kNewEuroCountry = " - NEW EURO COUNTRY";
inline constexpr std::string_view kWorkedEuroCountry = " - WORKED EURO COUNTRY";
inline constexpr std::string_view kNewOblast = " - NEW OBLAST";
inline constexpr std::string_view kWorkedOblast = " - WORKED OBLAST";
inline constexpr std::string_view kUnknownCountry = "UNKNOWN COUNTRY";
inline constexpr std::string_view kUnknownOblast = "UNKNOWN OBLAST";
inline constexpr std::string_view kNotOceanianCountry = "NOT OCEANIAN COUNTRY";
inline constexpr std::string_view kCountryNotForMultiplier = "COUNTRY  NOT  FOR  MULTIPLIER";

// What the status derives from the typed call: one country lookup and the WPX prefix.
struct TypedCall {
    std::string call;  // blanks at both ends removed
    std::string wpx;
    std::string prefix;     // principal prefix; empty for an unknown country
    std::string name;       // the country name (first 25 characters of the record)
    std::string zone;       // CQ zone
    std::string continent;  // the record from its continent on
};

TypedCall ReadTypedCall(std::string_view call, CountryTable& countries);

struct StatusInput {
    const TypedCall& typed;
    const OwnStation& own;
    std::string_view band;  // the band field: "160", "80", ... "10"
    std::string_view mode;  // the mode field; only "CW" is told apart
    const StatisticsStore& store;
    const OblastTable& oblasts;
};

struct MultiplierStatus {
    std::optional<std::string> text;      // the status line's new text; nothing leaves it as it was
    std::optional<std::string> exchange;  // the received-exchange field's new text
};

// The status by the rules of the contest in force; nothing for a contest that shows none or an empty call.
MultiplierStatus FindMultiplierStatus(const ContestRules* rules, const StatusInput& in);

// The checks the contests share.

enum class FileText { Trimmed, Untrimmed };

// A statistics file read whole; nothing when it does not exist (its check then shows nothing).
std::optional<std::string> StatisticsText(const StatusInput& in, std::string_view name, FileText form);
// The band's country file: "statistics/" + band + "m.x".
std::optional<std::string> BandCountryText(const StatusInput& in, FileText form);

// A bare search of the prefix: NEW or WORKED COUNTRY after the name, UNKNOWN COUNTRY without a prefix.
std::string CountryCheck(std::string_view text, std::string_view prefix, std::string_view name);
// A bare search of the WPX prefix: NEW or WORKED PREFIX after it; nothing for a call without one.
std::optional<std::string> PrefixCheck(std::string_view text, std::string_view wpx);
// The country check in the band's country file read trimmed, for the typed call's country.
MultiplierStatus BandCountryStatus(const StatusInput& in);
MultiplierStatus BandCountryStatus(const StatusInput& in, std::string_view prefix, std::string_view name);
// "UNKNOWN COUNTRY" in place of whatever a continent check showed when the call has no continent.
MultiplierStatus UnlessContinentUnknown(std::optional<std::string> shown, const TypedCall& typed);

}  // namespace tallyhawk
