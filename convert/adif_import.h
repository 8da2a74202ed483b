// Importing an ADIF file into the logbook database: every line with a CALL tag of three or more
// characters becomes one entry, and the new logbook replaces the old one as a whole.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "convert/status_line.h"
#include "core/message.h"
#include "core/program_folder.h"

namespace tallyhawk {

// What one line stores: the call, and the line without its CALL field (both upper case).
struct LogbookLine {
    std::string call;
    std::string record;
};

// The entry for one line of an ADIF file, or nothing when the line has no CALL tag or no call of 3
// or more characters. A two-digit length is read when the second character after the colon is a digit; a type
// indicator after a one-digit length (<CALL:6:S>) moves the value behind the ">" that closes the tag.
std::optional<LogbookLine> LogbookLineFromAdif(std::string_view line);

enum class ImportOutcome {
    NothingChosen,  // no path: only "Checking ..." was shown
    Rejected,       // the file check refused the file; the logbook is untouched
    FileUnreadable, // the file could not be read; the logbook is untouched
    NotWritten,     // the new logbook could not be written; the old one stays
    Imported,       // records may be 0: the logbook is then removed
};

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::NothingChosen;
    int records = 0;
    std::optional<Message> message;
};

// Imports `path` into "database/Logbook.idx" and ".bdx" of the program folder, handing the status
// line's texts to `status`.
ImportResult ImportAdif(const ProgramFolder& folder, const std::filesystem::path& path,
                        const StatusSink& status = {});

// "Some entries of <path> are not correct of ADIF format." with the import's repair advice.
Message ImportRejectedMessage(std::string_view path);

}  // namespace tallyhawk
