// The log view: the upper grid of the main window with the contact number, call and summary fields of
// up to seven contacts of the contest index, its column layout, and which contacts it shows after a
// refresh or a scrolling key.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "database/contest_index.h"

namespace tallyhawk {

struct GridColumn {
    std::string_view header;
    int width;  // pixels
};

inline constexpr std::size_t kLogViewRowCount = 7;  // data rows under the header row
inline constexpr std::array<GridColumn, 8> kLogViewColumns = {{
    {"N", 36},
    {"Callsign", 90},
    {"Date", 75},
    {"UTC", 60},
    {"Band", 52},
    {"Mode", 52},
    {"Sent", 62},
    {"Rcvd", 62},
}};

enum LogViewColumn : std::size_t {
    kLogNumberColumn,
    kLogCallColumn,
    kLogDateColumn,
    kLogUtcColumn,
    kLogBandColumn,
    kLogModeColumn,
    kLogSentColumn,
    kLogReceivedColumn,
};

// Colour settings of the call cell: normal, worked before on this band and mode, worked elsewhere.
inline constexpr std::string_view kGridBackColor = "GridBackColor";
inline constexpr std::string_view kGridBackColorWorked = "GridBackColorWorked";
inline constexpr std::string_view kGridBackColorNotWorked = "GridBackColorNotWorked";

using LogViewCells = std::array<std::string, kLogViewColumns.size()>;

struct LogViewRow {
    LogViewCells cells;
    std::string_view callColor = kGridBackColor;  // colour setting of the "Callsign" cell's background

    bool operator==(const LogViewRow&) const = default;
};

using LogViewRows = std::array<LogViewRow, kLogViewRowCount>;

// Which grids a set-up lays out again, empty: the log view, the lookup view (call history), or both.
enum class ViewSelection { LogView = 1, LookupView = 2, Both = 3 };

// The cells of the contact whose call entry lies at byte `offset` of the call file: its number
// (offset / 14 + 1), the entry, and the record split at its first five ",". When a "," is missing the
// field takes the rest of the record, and so does every later field.
LogViewCells FillLogViewRow(std::size_t offset, std::string_view entry, std::string_view record);

// Consecutive contacts of the contest index, as log-view rows.
struct ShownContacts {
    std::size_t firstOffset = 0;  // byte offset of the first one in the call file
    std::size_t count = 0;

    bool operator==(const ShownContacts&) const = default;
};

// The rows of these contacts, read from the contest index with one read of each file.
std::vector<LogViewCells> ReadLogViewRows(const ContestIndexFiles& files, ShownContacts contacts);

// The contacts shown after a refresh: the last seven, oldest first, or all of them when there are fewer.
ShownContacts LastSevenContacts(std::uintmax_t callFileLength);

// The number in the "N" column of the lowest row that has one, searching upwards; 0 when none does.
int LastShownContactNumber(const LogViewRows& rows);

enum class LogViewKey { Up, Down, PageUp, PageDown, Home, End };

// The contact number shown in row 1 after a scrolling key, from the number shown there now (`first`,
// 0 when row 1 is empty) and the number of contacts (at least 7; fewer are always shown from 1).
int FirstShownAfterKey(LogViewKey key, int first, int contactCount);

// The contacts shown after a scrolling key: seven consecutive ones, or all when there are fewer.
ShownContacts ScrolledContacts(LogViewKey key, int first, int contactCount);

}  // namespace tallyhawk
