// The statistics of one saved contact: the contest index entry, its points and its new multipliers,
// all written to disk at once so that the score survives a crash after any contact.
#pragma once

#include <string_view>

#include "callsign/country_table.h"
#include "core/program_folder.h"
#include "scoring/band_point_counters.h"
#include "scoring/contest_rules.h"

namespace tallyhawk {

struct StatisticsUpdate {
    const ProgramFolder& folder;
    std::string_view contest;  // the contest code in force
    const OwnStation& own;
    CountryTable& countries;
};

// Appends the contact to the contest index, then scores it by the rules of the contest in force. Every
// saved contact is scored, duplicates too; a file that cannot be written is skipped.
void UpdateStatistics(const StatisticsUpdate& update, std::string_view call, std::string_view summary,
                      BandPointCounters& points);

}  // namespace tallyhawk
