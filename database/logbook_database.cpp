// The logbook database files.
#include "database/logbook_database.h"

#include "core/text.h"

namespace tallyhawk {

std::string LogbookEntry(std::string_view call) {
    std::string_view trimmed = TrimBlanks(call);
    if (trimmed.size() >= kLogbookEntrySize) {
        return PadRight(trimmed.substr(0, kLogbookEntrySize - 1), kLogbookEntrySize);
    }
    return PadRight(trimmed, kLogbookEntrySize);
}

std::string LogbookRecord(std::string_view record) { return PadRight(TrimBlanks(record), kLogbookRecordSize); }

bool AppendLogbookRecord(const ProgramFolder& folder, std::string_view call, std::string_view record) {
    if (!EnsureFolder(folder.Path("database"))) return false;
    return AppendToFile(folder.DatabasePath(kLogbookCallsFile), LogbookEntry(call)) &&
           AppendToFile(folder.DatabasePath(kLogbookRecordsFile), LogbookRecord(record));
}

}  // namespace tallyhawk
