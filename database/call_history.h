// The history of a call from the logbook database: the lookup file of its records and the rows of the
// lookup view (the lower grid of the main window) made from them.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/program_folder.h"
#include "database/log_view.h"

namespace tallyhawk {

inline constexpr std::array<GridColumn, 5> kLookupViewColumns = {{
    {"Date", 65},
    {"UTC", 46},
    {"Band", 40},
    {"Mode", 40},
    {"QSL r/s", 50},
}};
inline constexpr int kLookupViewRowHeight = 16;
// Data rows of a freshly set-up lookup view; a longer history grows it.
inline constexpr std::size_t kLookupViewEmptyRows = 6;

using LookupRow = std::array<std::string, kLookupViewColumns.size()>;

// Rows of the lookup view, header included, while it shows `historyRows` rows of history.
std::size_t LookupViewRowCount(std::size_t historyRows);

// Byte positions of the whole entries of Logbook.idx text that hold exactly `call` (blanks removed at
// both ends): an occurrence counts when it starts the text or follows a blank, and a blank follows it.
std::vector<std::size_t> ExactLogbookMatches(std::string calls, std::string_view call);

// Writes "database/LookUp.bdx": the call on the first line when it occurs anywhere in Logbook.idx (also
// inside a longer call), then the record of every exact match, blanks removed, one per line (CR LF).
// Absent logbook files are created empty. False when the lookup file cannot be written.
[[nodiscard]] bool BuildLookupFile(const ProgramFolder& folder, std::string_view call);

// One history row from a logbook record (ADIF tags, upper case): date yyyy-mm-dd, time hh:mm, band
// (from BAND, else from FREQ), mode, and QSL received "/" sent. A missing tag leaves its cell empty.
LookupRow ParseHistoryRecord(std::string_view record);

// The history rows of a lookup file's text: every line longer than 10 characters (the first line,
// holding the call, is shorter) parsed as one record, in file order.
std::vector<LookupRow> HistoryRowsFromLookupFile(std::string_view text);

}  // namespace tallyhawk
