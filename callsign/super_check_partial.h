// Super Check Partial: the known contest calls of a MASTER.SCP file, searched while a call is typed for
// the calls that contain the typed text (partial matches) and for those one edit away from it (N+1).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/program_folder.h"

namespace tallyhawk {

inline constexpr std::string_view kScpFileName = "MASTER.SCP";
// Where Debian's hamradio-files installs it; a MASTER.SCP in the program folder wins.
inline constexpr std::string_view kSystemScpPath = "/usr/share/hamradio-files/MASTER.SCP";

// The calls of a MASTER.SCP text: one call a line, blanks, tabs and CR trimmed, letters upper-cased;
// "#" lines are comments. A line holding anything but letters, digits and "/" is not a call. Sorted in
// character order, each call once.
std::vector<std::string> ReadScpCalls(std::string_view text);

// The sorted calls with an index of the character pairs and triples in them, so that a search reads
// only the calls that hold the rarest triple of the typed text.
class ScpIndex {
public:
    ScpIndex() = default;
    // `calls` as ReadScpCalls gives them: sorted, each once, letters, digits and "/" only.
    explicit ScpIndex(std::vector<std::string> calls);

    std::size_t Size() const { return m_calls.size(); }
    bool Contains(std::string_view call) const;

    // The first `limit` calls, in character order, that contain `text`; none for fewer than 2 characters.
    std::vector<std::string_view> PartialMatches(std::string_view text, std::size_t limit) const;

    // The first `limit` calls, in character order, one edit away from `call`: one character replaced,
    // added or missing. `call` itself is never one of them.
    std::vector<std::string_view> NearCalls(std::string_view call, std::size_t limit) const;

private:
    // Calls are numbered in their sorted order; a posting list holds the numbers of the calls that
    // contain one pair (or triple) of characters, ascending, each call once.
    struct Postings {
        // Per key, where its numbers begin in `numbers`; one more entry marks the end of the last.
        std::vector<std::uint32_t> starts;
        std::vector<std::uint32_t> numbers;
        std::span<const std::uint32_t> Of(std::size_t key) const;
    };
    static Postings BuildPostings(const std::vector<std::string>& calls, std::size_t gramLength);

    std::vector<std::string> m_calls;
    Postings m_pairs;
    Postings m_triples;
};

// Where the known calls come from: MASTER.SCP in the program folder when it can be read, otherwise the
// system's file; empty when neither exists.
std::filesystem::path ScpFilePath(const ProgramFolder& folder);

// The index of the file ScpFilePath names; an empty index when there is none.
ScpIndex LoadScpIndex(const ProgramFolder& folder);

}  // namespace tallyhawk
