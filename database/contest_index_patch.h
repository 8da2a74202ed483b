// Changing one contact of the contest index in place, or removing it, keeping the 14-byte call entries
// and the 140-byte records in step.
#pragma once

#include <cstddef>
#include <string_view>

#include "database/contest_index.h"

namespace tallyhawk {

// Whether every file of the pair that exists is long enough to hold contact `number` (1-based); true
// when neither exists, since a missing file is skipped by the patches below.
bool ContestIndexHolds(const ContestIndexFiles& files, std::size_t number);

// Overwrites entry `number` of the call file with the call and record `number` of the record file with
// the summary. A missing file is skipped; false when a file that exists could not be written.
[[nodiscard]] bool WriteContestIndexContact(const ContestIndexFiles& files, std::size_t number, std::string_view call,
                                            std::string_view summary);

// Cuts entry and record `number` out of the files that exist (each rewritten through a temporary file);
// false when one could not be rewritten.
[[nodiscard]] bool RemoveContestIndexContact(const ContestIndexFiles& files, std::size_t number);

}  // namespace tallyhawk
