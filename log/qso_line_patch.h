// Finding, replacing and removing the n-th "QSO:" line of the contest log. A replacement of the same
// length overwrites the old characters in place; anything that changes the file's length rewrites it
// through a temporary file and a rename, so a crash leaves the old or the new log, never half of one.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/text_lines.h"

namespace tallyhawk {

// Whether a line counts as a contact: its first four characters after leading blanks are "QSO:".
bool IsQsoLine(std::string_view line);

std::size_t CountQsoLines(std::string_view log);

// The `number`-th (1-based) QSO: line, or nothing when the log has fewer.
std::optional<TextLine> FindQsoLine(std::string_view log, std::size_t number);

// Puts `line` (without a line end) in place of the `number`-th QSO: line, keeping the old line end.
// False when the log cannot be read or written or holds fewer lines; the log is then unchanged.
[[nodiscard]] bool ReplaceQsoLine(const std::filesystem::path& log, std::size_t number, std::string_view line);

// Removes the `number`-th QSO: line with its line end; false (log unchanged) as above.
[[nodiscard]] bool RemoveQsoLine(const std::filesystem::path& log, std::size_t number);

}  // namespace tallyhawk
