// The code of a contest as the program stores and compares it.
#pragma once

#include <string>

namespace tallyhawk {

// The short code of a contest ("WPX", "CQ", "A10", ...), kept as text because stored settings,
// settings messages and log headers carry it as text. The contests themselves are the records of
// scoring/contest_table.h.
using ContestId = std::string;

}  // namespace tallyhawk
