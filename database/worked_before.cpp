// The worked-before check: call-field filter, prefix search and duplicate marking.
#include "database/worked_before.h"

#include <algorithm>

#include "core/text.h"

namespace tallyhawk {
namespace {

bool IsAcceptedCallCharacter(char c) {
    constexpr char kBackspace = 8;
    constexpr char kDelete = 127;
    return c == '/' || IsDigit(c) || IsUpperLetter(c) || c == kBackspace || c == kDelete;
}

}  // namespace

std::optional<std::string> WithoutRejectedLastCharacter(std::string_view text) {
    if (text.empty() || IsAcceptedCallCharacter(text.back())) return std::nullopt;
    return std::string(text.substr(0, text.size() - 1));
}

std::vector<std::size_t> FindCallPrefixMatches(std::string& calls, std::string_view typed,
                                               std::size_t limit) {
    std::vector<std::size_t> matches;
    if (typed.empty()) return matches;
    // Each match is marked with "*" so that it is not found again. The search goes on from where a new
    // occurrence could start once that byte has changed, which is exactly where searching the whole
    // text again would find the next one.
    std::size_t from = 0;
    while (matches.size() < limit) {
        const std::size_t at = calls.find(typed, from);
        if (at == std::string::npos) break;
        if (at > 0 && calls[at - 1] != ' ') {
            from = at + 1;
            continue;
        }
        matches.push_back(at);
        calls[at] = '*';
        from = at + 1 >= typed.size() ? at + 1 - typed.size() : 0;
    }
    for (std::size_t at : matches) calls[at] = typed.front();
    return matches;
}

void SortByCallDescending(LogViewRows& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const LogViewRow& a, const LogViewRow& b) {
        return a.cells[kLogCallColumn] > b.cells[kLogCallColumn];
    });
}

int MarkWorkedBefore(LogViewRows& rows, std::string_view call, std::string_view band, std::string_view mode) {
    int duplicates = 0;
    // An empty call marks nothing, so that empty rows never count as contacts of it.
    if (call.empty()) return duplicates;
    for (LogViewRow& row : rows) {
        if (row.cells[kLogCallColumn] != call) continue;
        row.callColor = kGridBackColorNotWorked;
        if (row.cells[kLogBandColumn] == band && row.cells[kLogModeColumn] == mode) {
            row.callColor = kGridBackColorWorked;
            ++duplicates;
        }
    }
    return duplicates;
}

}  // namespace tallyhawk
