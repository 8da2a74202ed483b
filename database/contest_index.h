// The contest index "database/<Callsign>.idx" (14-byte call entries) and ".bdx" (140-byte summary
// records): one entry per contact of the contest log, in the order logged.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/file_io.h"
#include "core/program_folder.h"
#include "core/qso_record.h"

namespace tallyhawk {

// The layout of both files: entry k at byte 14 k of the call file, its record at byte 140 k of the
// record file, so the record of the entry at byte offset o lies at byte offset 10 o. A record is the
// contact's summary (date, time, band, mode, sent, received joined by ",").
inline constexpr std::size_t kContestIndexEntrySize = 14;
inline constexpr std::size_t kContestIndexRecordSize = 140;
inline constexpr std::size_t kContestIndexRecordBytesPerEntryByte = kContestIndexRecordSize / kContestIndexEntrySize;

// The call, blanks removed at both ends, padded or cut to 14 bytes.
std::string ContestIndexEntry(std::string_view call);

// The summary, blanks removed at both ends, padded or cut to 140 bytes.
std::string ContestIndexRecord(std::string_view summary);

struct ContestIndexFiles {
    std::filesystem::path calls;    // .idx
    std::filesystem::path records;  // .bdx
};

ContestIndexFiles ContestIndexFilesFor(const ProgramFolder& folder, std::string_view ownCall);

// Appends one contact to both files (call entry first), creating the "database" folder and the files
// when missing. `entries` and `records` may hold many contacts at once (the recount writes in blocks).
[[nodiscard]] bool AppendContestIndex(const ContestIndexFiles& files, std::string_view entries,
                                      std::string_view records, Durability durability = Durability::Buffered);

// Number of contacts: length of the call file / 14.
std::size_t ContestIndexCount(const ContestIndexFiles& files);

struct ContestIndexContact {
    std::string call;     // blanks removed
    std::string summary;  // blanks removed
};

// Contact `number` (1-based), or nothing when the files do not hold it.
std::optional<ContestIndexContact> ReadContestIndexContact(const ContestIndexFiles& files, std::size_t number);

// The call entries and records of `count` consecutive contacts from byte `offset` of the call file
// (their records from 10 x `offset` of the record file), each file read in one piece. Whatever can
// be read: shorter near or past the end.
struct ContestIndexBlock {
    std::string entries;
    std::string records;
};
ContestIndexBlock ReadContestIndexBlock(const ContestIndexFiles& files, std::size_t offset,
                                        std::size_t count);

// The 140-byte record of the call entry at byte `offset`, or what can be read of it.
std::string ReadContestIndexRecordAt(const ContestIndexFiles& files, std::size_t offset);

// Keeps the pair consistent before the log view reads it: when either file is missing, the "database"
// folder and both files are created empty (an existing partner is emptied). True when both existed.
bool EnsureContestIndexPair(const ContestIndexFiles& files);

}  // namespace tallyhawk
