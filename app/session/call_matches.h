// The known calls shown while a call is typed: those that contain the typed text (Super Check Partial)
// and those one edit away from it (N+1), each marked when it was worked in this contest.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "callsign/super_check_partial.h"

namespace tallyhawk {

inline constexpr std::size_t kCallListLimit = 40;    // calls per list, so a short partial stays short
inline constexpr std::size_t kShortestPartial = 2;   // typed characters before the partial list shows
inline constexpr std::size_t kShortestNearCall = 3;  // typed characters before the N+1 list shows

struct KnownCall {
    std::string call;
    bool worked = false;  // the contest index holds a contact with it, on any band

    bool operator==(const KnownCall&) const = default;
};

struct CallMatches {
    std::vector<KnownCall> partial;  // the calls containing the typed text, in character order
    std::vector<KnownCall> nearby;   // the N+1 calls, in character order

    bool Empty() const { return partial.empty() && nearby.empty(); }
    bool operator==(const CallMatches&) const = default;
};

// Both lists for the typed text, unmarked; each empty while the text is too short for it.
CallMatches FindKnownCalls(const ScpIndex& known, std::string_view typed);

// Marks the calls that have an entry in the contest index's call file.
void MarkWorkedCalls(CallMatches& matches, std::string_view callFile);

}  // namespace tallyhawk
