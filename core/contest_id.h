// The twenty supported contests: setup list names and the short codes the program stores and compares.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tallyhawk {

// The short code of a contest ("WPX", "CQ", "A10", ...), kept as text because stored settings,
// settings messages and log headers carry it as text and some rules test only its first characters.
using ContestId = std::string;

struct ContestName {
    std::string_view listName;
    std::string_view code;
};

// The setup list, sorted alphabetically.
extern const std::array<ContestName, 20> kContestNames;

// Setup list name to code: eight special names first, otherwise the first three characters
// with trailing blanks removed ("CQ WW DX" -> "CQ").
std::string ContestCodeFromListName(std::string_view listName);

// The list name of a known code, or an empty text.
std::string_view ContestListNameForCode(std::string_view code);

bool IsKnownContestCode(std::string_view code);

}  // namespace tallyhawk
