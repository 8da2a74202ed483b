// The known calls shown while a call is typed, and their worked marks.
#include "app/session/call_matches.h"

#include "database/worked_calls.h"

namespace tallyhawk {
namespace {

std::vector<KnownCall> Unmarked(const std::vector<std::string_view>& calls) {
    std::vector<KnownCall> known;
    known.reserve(calls.size());
    for (const std::string_view call : calls) known.push_back({std::string(call)});
    return known;
}

}  // namespace

CallMatches FindKnownCalls(const ScpIndex& known, std::string_view typed) {
    CallMatches matches;
    if (typed.size() >= kShortestPartial)
        matches.partial = Unmarked(known.PartialMatches(typed, kCallListLimit));
    if (typed.size() >= kShortestNearCall) matches.nearby = Unmarked(known.NearCalls(typed, kCallListLimit));
    return matches;
}

void MarkWorkedCalls(CallMatches& matches, std::string_view callFile) {
    std::vector<std::string_view> calls;
    for (const auto* list : {&matches.partial, &matches.nearby}) {
        for (const KnownCall& known : *list) calls.push_back(known.call);
    }
    const std::vector<bool> worked = FindCallsInContestIndex(callFile, calls);
    std::size_t next = 0;
    for (auto* list : {&matches.partial, &matches.nearby}) {
        for (KnownCall& known : *list) known.worked = worked[next++];
    }
}

}  // namespace tallyhawk
