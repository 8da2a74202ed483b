// Importing the ADIF of any logger into the logbook database: every record with a call of three or
// more characters becomes one entry, its history fields written in the form the call history reads.
// The new logbook replaces the old one as a whole; a file without any such record leaves it alone.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "convert/adif_reader.h"
#include "convert/status_line.h"
#include "core/message.h"
#include "core/program_folder.h"

namespace tallyhawk {

enum class AnyImportOutcome {
    NothingChosen,   // no path
    FileUnreadable,  // the file could not be read; the logbook is untouched
    NoCalls,         // no record has a call; the logbook is untouched
    NotWritten,      // the new logbook could not be written; the old one stays
    Imported,
};

struct AnyImportResult {
    AnyImportOutcome outcome = AnyImportOutcome::NothingChosen;
    int records = 0;      // records the file holds
    int imported = 0;     // entries written
    int withoutCall = 0;  // records left out: no CALL, or a call shorter than 3 characters
    std::optional<Message> message;
};

// The call of a record as the logbook stores it: upper case, blanks removed; empty when too short.
std::string LogbookCallOf(const AdifRecord& record);

// The record as the logbook stores it: date, time, band (from the frequency when the record has no
// band), frequency, mode, submode, reports and QSL state as one-line ADIF in upper case, ended by <EOR>.
std::string LogbookRecordOf(const AdifRecord& record);

// Imports `path` into "database/Logbook.idx" and ".bdx" of the program folder.
AnyImportResult ImportAnyAdif(const ProgramFolder& folder, const std::filesystem::path& path,
                              const StatusSink& status = {});

// "No record of <path> has a call of 3 or more characters; the logbook stays as it was."
Message NoCallsMessage(std::string_view path);

}  // namespace tallyhawk
