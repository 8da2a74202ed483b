// The worked-before check while a call is typed: the character filter of the call field, the prefix
// search of the contest index, and the marking of earlier contacts of the same call.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/log_view.h"

namespace tallyhawk {

inline constexpr std::string_view kWorkedBeforeText = "WORKED BEFORE";

// The call text without its last character when that character is not "/", a digit, a letter A-Z,
// backspace or delete; nothing when the text is accepted. Only the last character is inspected.
std::optional<std::string> WithoutRejectedLastCharacter(std::string_view text);

// Byte offsets in the call file of the first `limit` contacts, in log order, whose entry begins with
// `typed`: an occurrence counts when it starts the file or follows a blank. A call that fills its whole
// 14-byte entry therefore hides the entry after it. `calls` is the whole call file; it is used as
// scratch space and holds its original bytes again on return.
std::vector<std::size_t> FindCallPrefixMatches(std::string& calls, std::string_view typed,
                                               std::size_t limit = kLogViewRowCount);

// Sorts the rows by the "Callsign" cell in descending character order; empty rows go to the bottom.
// A row keeps its call cell's colour.
void SortByCallDescending(LogViewRows& rows);

// Colours the call cell of every row showing `call`: "GridBackColorWorked" when its band and mode are
// `band` and `mode` (a duplicate), otherwise "GridBackColorNotWorked". Other rows keep their colour.
// Returns the number of duplicate rows.
int MarkWorkedBefore(LogViewRows& rows, std::string_view call, std::string_view band, std::string_view mode);

}  // namespace tallyhawk
