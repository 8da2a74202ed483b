// Writing a whole new logbook database: the entries go into temporary files beside the old logbook in
// large blocks, and only a successful Commit puts them in its place, so a failed import leaves the old
// logbook as it was.
#pragma once

#include <filesystem>
#include <string_view>

#include "core/buffered_appender.h"
#include "core/program_folder.h"

namespace tallyhawk {

class LogbookWriter {
public:
    explicit LogbookWriter(const ProgramFolder& folder);
    ~LogbookWriter();  // removes the temporary files when nothing was committed
    LogbookWriter(const LogbookWriter&) = delete;
    LogbookWriter& operator=(const LogbookWriter&) = delete;

    // Creates the "database" folder and empty temporary files; false when that fails.
    [[nodiscard]] bool Open();

    // One entry, laid out as AppendLogbookRecord lays it out: 10-byte call entry, 250-byte record.
    void Add(std::string_view call, std::string_view record);

    // Replaces both logbook files with the new ones; with no entries both files are removed.
    [[nodiscard]] bool Commit();

private:
    std::filesystem::path m_calls;
    std::filesystem::path m_records;
    BufferedAppender m_newCalls;
    BufferedAppender m_newRecords;
    std::size_t m_entries = 0;
    bool m_done = false;
};

}  // namespace tallyhawk
