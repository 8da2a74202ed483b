// The logbook database "database/Logbook.idx" (10-byte call entries) and "Logbook.bdx" (250-byte
// records): earlier contacts imported from ADIF, used for the history of a call.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/file_io.h"
#include "core/program_folder.h"

namespace tallyhawk {

inline constexpr std::size_t kLogbookEntrySize = 10;
inline constexpr std::size_t kLogbookRecordSize = 250;
inline constexpr std::string_view kLogbookCallsFile = "Logbook.idx";
inline constexpr std::string_view kLogbookRecordsFile = "Logbook.bdx";
inline constexpr std::string_view kLookupFile = "LookUp.bdx";

// The call, blanks removed; a call of 10 or more characters keeps its first 9; padded to 10, so every
// entry ends with at least one blank.
std::string LogbookEntry(std::string_view call);

// The record text, blanks removed at both ends, padded or cut to 250 bytes.
std::string LogbookRecord(std::string_view record);

// Appends one entry to each file (call entry first), creating absent files, never truncating.
[[nodiscard]] bool AppendLogbookRecord(const ProgramFolder& folder, std::string_view call, std::string_view record);

}  // namespace tallyhawk
