// Writing a whole new logbook database.
#include "database/logbook_writer.h"

#include "database/logbook_database.h"

namespace tallyhawk {
namespace {

std::filesystem::path NewFilePath(const std::filesystem::path& path) {
    std::filesystem::path temporary = path;
    temporary += ".new";
    return temporary;
}

bool RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
}

}  // namespace

LogbookWriter::LogbookWriter(const ProgramFolder& folder)
    : m_calls(folder.DatabasePath(kLogbookCallsFile)),
      m_records(folder.DatabasePath(kLogbookRecordsFile)),
      m_newCalls(NewFilePath(m_calls)),
      m_newRecords(NewFilePath(m_records)) {}

LogbookWriter::~LogbookWriter() {
    if (m_done) return;
    RemoveFile(m_newCalls.Path());
    RemoveFile(m_newRecords.Path());
}

bool LogbookWriter::Open() {
    return EnsureFolder(m_calls.parent_path()) && TruncateFile(m_newCalls.Path()) &&
           TruncateFile(m_newRecords.Path()) && m_newCalls.Open() && m_newRecords.Open();
}

void LogbookWriter::Add(std::string_view call, std::string_view record) {
    m_newCalls.Append(LogbookEntry(call));
    m_newRecords.Append(LogbookRecord(record));
    ++m_entries;
}

bool LogbookWriter::Commit() {
    if (!m_newCalls.Close(Durability::Synced) || !m_newRecords.Close(Durability::Synced)) return false;
    m_done = true;
    if (m_entries == 0) {
        RemoveFile(m_newCalls.Path());
        RemoveFile(m_newRecords.Path());
        RemoveFile(m_records);
        RemoveFile(m_calls);
        return !FileExists(m_records) && !FileExists(m_calls);
    }
    // The record file first: a history lookup starts from the call file.
    return RenameOver(m_newRecords.Path(), m_records) && RenameOver(m_newCalls.Path(), m_calls);
}

}  // namespace tallyhawk
