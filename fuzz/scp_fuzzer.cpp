// MASTER.SCP may come from anywhere (the operator drops this season's file into the program folder):
// any bytes as the file, and its first line as the typed text searched in the index built from it.
// Every partial match holds the typed text, every list is sorted and holds known calls only, and the
// worked marks of those calls read the same bytes as a contest index call file without a crash.
#include <algorithm>
#include <cstdlib>

#include "callsign/super_check_partial.h"
#include "database/worked_calls.h"
#include "fuzz/fuzz_input.h"

namespace {

void CheckList(const tallyhawk::ScpIndex& index, const std::vector<std::string_view>& calls) {
    if (!std::is_sorted(calls.begin(), calls.end()) || calls.size() > 40) std::abort();
    for (const std::string_view call : calls) {
        if (!index.Contains(call)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = tallyhawk::FuzzText(data, size);
    const tallyhawk::ScpIndex index(tallyhawk::ReadScpCalls(input));
    const std::string_view typed = input.substr(0, input.find('\n'));
    const auto partial = index.PartialMatches(typed, 40);
    CheckList(index, partial);
    for (const std::string_view call : partial) {
        if (call.find(typed) == std::string_view::npos) std::abort();
    }
    const auto near = index.NearCalls(typed, 40);
    CheckList(index, near);
    for (const std::string_view call : near) {
        if (call == typed || call.size() + 1 < typed.size() || call.size() > typed.size() + 1) std::abort();
    }
    (void)tallyhawk::FindCallsInContestIndex(input, partial);
    return 0;
}
