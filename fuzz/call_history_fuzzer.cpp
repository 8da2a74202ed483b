// Logbook records and call files of any bytes: the history rows are read without a crash, and the
// searches of the call files leave the text as it was and, for calls without a blank or "*" (the marks
// the searches write), find only occurrences that the text holds.
#include <cstdlib>

#include "database/call_history.h"
#include "database/worked_before.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = tallyhawk::FuzzText(data, size);
    (void)tallyhawk::HistoryRowsFromLookupFile(text);

    // The first line is the typed call, the rest the call file.
    const std::size_t newline = text.find('\n');
    if (newline == std::string_view::npos) return 0;
    const std::string_view typed = text.substr(0, newline);
    std::string calls(text.substr(newline + 1));
    const std::string original = calls;
    const bool plain = typed.find_first_of(" *") == std::string_view::npos;
    for (std::size_t at : tallyhawk::FindCallPrefixMatches(calls, typed)) {
        if (at >= original.size()) std::abort();
        if (plain && (original.compare(at, typed.size(), typed) != 0 || (at > 0 && original[at - 1] != ' '))) {
            std::abort();
        }
    }
    if (calls != original) std::abort();
    for (std::size_t at : tallyhawk::ExactLogbookMatches(calls, typed)) {
        if (plain && original.compare(at, typed.size(), typed) != 0) std::abort();
    }
    return 0;
}
