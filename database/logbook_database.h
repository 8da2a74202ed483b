// The logbook database "database/Logbook.idx" (10-byte call entries) and "Logbook.bdx" (250-byte
// records): earlier contacts imported from ADIF, used for the history of a call.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/file_io.h"
#include "core/program_folder.h"

namespace tallyhawk {

// Entry k at byte 10 k of Logbook.idx, its record at byte 250 k of Logbook.bdx: the record of the
// entry at byte offset o lies at byte offset 25 o.
inline constexpr std::size_t kLogbookEntrySize = 10;
inline constexpr std::size_t kLogbookRecordSize = 250;
inline constexpr std::size_t kLogbookRecordBytesPerEntryByte = kLogbookRecordSize / kLogbookEntrySize;
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
