// Taking over a contest begun in another program: its Cabrillo log becomes a new contest log of this
// program under the log's call, and the "Callsign" and "Contest" settings follow it, so that a reload
// scores it and the next contact goes into the same log. An existing log is never overwritten.
#pragma once

#include <filesystem>
#include <optional>

#include "app/session/settings_backend.h"
#include "convert/cabrillo_log_import.h"
#include "core/clock.h"
#include "core/program_folder.h"

namespace tallyhawk {

struct ContestLogImportResult {
    std::optional<ImportedContestLog> log;  // without its text; set when the log was written
    std::filesystem::path path;             // the new contest log
    std::optional<Message> message;         // why nothing was imported
};

// Writes the new log and the two settings; on any refusal nothing is written.
ContestLogImportResult ImportContestLog(const ProgramFolder& folder, SettingsBackend& settings,
                                        const std::filesystem::path& file, const ClockReading& now);

}  // namespace tallyhawk
