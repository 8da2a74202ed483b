// One contest in one record: its code and list name, its scoring rules, the rules of the entry row's
// exchange fields, the band it forces, what start-up loads for it and what its sponsor asks of the log
// sent in after the contest. Each contest's file in scoring/contests/ defines its record next to its
// rules; scoring/contest_table.cpp lists the records.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/band.h"
#include "database/sent_exchange_prefill.h"
#include "scoring/contest_rules.h"
#include "scoring/contest_submission.h"

namespace tallyhawk {

// The longest exchange the entry row takes (the exchange columns of the log line).
inline constexpr std::size_t kExchangeFieldLimit = 6;

struct ExchangeLimits {
    std::size_t sent = kExchangeFieldLimit;
    std::size_t received = kExchangeFieldLimit;
};

// The exchange limits for a station whose own country prefix is given.
using ExchangeLimitsRule = ExchangeLimits (*)(std::string_view ownCountryPrefix);

// The entry row in this contest.
struct ContestEntry {
    bool exchangeTakesLetters = false;            // otherwise both exchange fields take digits only
    ExchangeLimitsRule exchangeLimits = nullptr;  // nullptr: kExchangeFieldLimit for both fields
    bool clearsSentAfterSave = false;  // the serial number is written again when the time field is left
    SentExchangePrefill prefill;       // what Exchange sent is pre-filled with
    bool receivesState = false;        // a callbook's state of the call fills Exchange received
};

// The band the contest setup dialog moves a chosen band to.
struct ForcedBand {
    std::optional<Band> always;  // every band, even one the dialog cannot read, becomes this one
    std::optional<Band> lowest;  // a known band below this one (a longer wavelength) becomes this one
};

struct Contest {
    std::string_view code;      // stored in the settings, carried by settings messages and the log header
    std::string_view listName;  // the contest list of the setup dialog, sorted alphabetically
    ContestRules rules;         // points, multipliers, score layout, multiplier status
    ContestEntry entry;
    ForcedBand band;
    bool loadsOblasts = false;  // start-up loads the oblast names (dxcc/obl.dat)
    ContestSubmission submission;  // the official names, periods and exchange of the log sent in
};

}  // namespace tallyhawk
