// The reload check of the contest log: every line at most 70 or exactly 81 characters, and every
// QSO: line with its blanks in the fixed columns and no letter at its end.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "core/message.h"

namespace tallyhawk {

// The rule for one line (without its line end).
bool ValidContestLogLine(std::string_view line);

// The 1-based number of the first line of a whole log text that breaks the rule; nothing when every
// line keeps it. The reload and the converter's check of Cabrillo files both ask this.
std::optional<std::size_t> FirstInvalidContestLogLine(std::string_view text);

struct LogCheckResult {
    bool passed = false;
    std::optional<std::size_t> badLine;  // 1-based number of the first line that failed
};

// Fails when the file does not exist; an empty file passes. Lines may end in CR LF or LF.
LogCheckResult ContestLogValidator(const std::filesystem::path& logFile);

// "Error occurs when loading <file>": the log failed the reload check.
Message LogNotValidMessage(std::string_view fileName);

// "Cabrillo file <file> not created yet for reloading".
Message LogNotCreatedMessage(std::string_view fileName);

}  // namespace tallyhawk
