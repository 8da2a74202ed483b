// The program's name and version, as exported files name their creator.
#pragma once

#include <string_view>

namespace tallyhawk {

inline constexpr std::string_view kProgramName = "Tallyhawk";

// The version of the build ("1.3").
std::string_view ProgramVersion();

}  // namespace tallyhawk
