// Which of a few calls the contest index holds: the worked marks of the call lists shown while a call
// is typed.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace tallyhawk {

// For each of `calls`, whether the call file of the contest index (`callFile`, 14-byte entries) holds
// an entry of exactly that call, on any band and in any mode.
std::vector<bool> FindCallsInContestIndex(std::string_view callFile, std::span<const std::string_view> calls);

}  // namespace tallyhawk
