// Worked marks: one pass over the contest index's call entries for a handful of calls.
#include "database/worked_calls.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <cstring>
#include <string>

#include "database/contest_index.h"

namespace tallyhawk {
namespace {

// A keystroke passes over every entry of a long log, so most entries are turned away by the first four
// bytes of the entry alone: a bit per hash of them, set for the calls looked for.
class EntryFilter {
public:
    void Allow(std::string_view entry) { m_bits.set(Hash(entry)); }
    bool Allows(std::string_view entry) const { return m_bits.test(Hash(entry)); }

private:
    static constexpr int kBits = 16;
    static std::size_t Hash(std::string_view entry) {
        std::uint32_t head = 0;
        std::memcpy(&head, entry.data(), sizeof head);
        return (head * 2654435761u) >> (32 - kBits);
    }
    std::bitset<std::size_t{1} << kBits> m_bits;
};

struct WantedEntry {
    std::string entry;  // the call as the call file holds it
    std::size_t call;   // its place in the calls looked for
};

}  // namespace

std::vector<bool> FindCallsInContestIndex(std::string_view callFile,
                                          std::span<const std::string_view> calls) {
    std::vector<bool> found(calls.size(), false);
    std::vector<WantedEntry> wanted;
    EntryFilter filter;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        wanted.push_back({ContestIndexEntry(calls[i]), i});
        filter.Allow(wanted.back().entry);
    }
    std::sort(wanted.begin(), wanted.end(), [](const auto& a, const auto& b) { return a.entry < b.entry; });
    for (std::size_t at = 0; at + kContestIndexEntrySize <= callFile.size(); at += kContestIndexEntrySize) {
        const std::string_view entry = callFile.substr(at, kContestIndexEntrySize);
        if (!filter.Allows(entry)) continue;
        auto match = std::lower_bound(wanted.begin(), wanted.end(), entry,
                                      [](const WantedEntry& a, std::string_view b) { return a.entry < b; });
        for (; match != wanted.end() && match->entry == entry; ++match) found[match->call] = true;
    }
    return found;
}

}  // namespace tallyhawk
