// Super Check Partial: reading MASTER.SCP, the pair and triple index, partial and N+1 searches.
#include "callsign/super_check_partial.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "core/file_io.h"
#include "core/text.h"
#include "core/text_lines.h"

namespace tallyhawk {
namespace {

// A call longer than the contest log's call field is not a call any log could hold.
constexpr std::size_t kLongestCall = 14;

// The characters of a call: "/", the digits and the letters, in character order.
constexpr std::string_view kCallCharacters = "/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::size_t kAlphabetSize = kCallCharacters.size();

// The code of each byte in kCallCharacters, or kForeign; one table look-up per character, because the
// index reads every character of some 85,000 calls at start-up.
constexpr std::uint8_t kForeign = 0xff;
constexpr std::array<std::uint8_t, 256> kCharacterCodes = [] {
    std::array<std::uint8_t, 256> codes{};
    codes.fill(kForeign);
    for (std::size_t i = 0; i < kCallCharacters.size(); ++i)
        codes[static_cast<unsigned char>(kCallCharacters[i])] = static_cast<std::uint8_t>(i);
    return codes;
}();

std::optional<std::size_t> CharacterCode(char c) {
    const std::uint8_t code = kCharacterCodes[static_cast<unsigned char>(c)];
    if (code == kForeign) return std::nullopt;
    return code;
}

// The key of the pair or triple of characters starting at `at`, or nothing for a foreign character.
std::optional<std::size_t> GramKey(std::string_view text, std::size_t at, std::size_t length) {
    std::size_t key = 0;
    for (std::size_t i = at; i < at + length; ++i) {
        const auto code = CharacterCode(text[i]);
        if (!code) return std::nullopt;
        key = key * kAlphabetSize + *code;
    }
    return key;
}

constexpr std::size_t KeyCount(std::size_t gramLength) {
    std::size_t count = 1;
    for (std::size_t i = 0; i < gramLength; ++i) count *= kAlphabetSize;
    return count;
}

// Calls the action once for each distinct key of the call's grams.
template <typename Action>
void ForEachGramOnce(std::string_view call, std::size_t gramLength, std::vector<std::uint32_t>& lastCall,
                     std::uint32_t number, Action action) {
    for (std::size_t at = 0; at + gramLength <= call.size(); ++at) {
        const auto key = GramKey(call, at, gramLength);
        if (!key || lastCall[*key] == number) continue;
        lastCall[*key] = number;
        action(*key);
    }
}

bool IsCall(std::string_view text) {
    if (text.empty() || text.size() > kLongestCall) return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return CharacterCode(c).has_value(); });
}

}  // namespace

std::vector<std::string> ReadScpCalls(std::string_view text) {
    std::vector<std::string> calls;
    LineCursor lines(text);
    while (const auto line = lines.Next()) {
        const std::string_view trimmed = TrimWhitespace(line->text);
        if (trimmed.empty() || trimmed.front() == '#') continue;
        std::string call = ToUpperAscii(trimmed);
        if (IsCall(call)) calls.push_back(std::move(call));
    }
    // MASTER.SCP comes nearly sorted: only what follows its sorted part is sorted, then merged in.
    const auto unsorted = std::is_sorted_until(calls.begin(), calls.end());
    std::sort(unsorted, calls.end());
    std::inplace_merge(calls.begin(), unsorted, calls.end());
    calls.erase(std::unique(calls.begin(), calls.end()), calls.end());
    return calls;
}

std::span<const std::uint32_t> ScpIndex::Postings::Of(std::size_t key) const {
    if (key + 1 >= starts.size()) return {};
    return std::span(numbers).subspan(starts[key], starts[key + 1] - starts[key]);
}

// Two passes: count each key's calls, then place the call numbers; both see every call once per key.
ScpIndex::Postings ScpIndex::BuildPostings(const std::vector<std::string>& calls, std::size_t gramLength) {
    const std::size_t keys = KeyCount(gramLength);
    Postings postings;
    postings.starts.assign(keys + 1, 0);
    std::vector<std::uint32_t> lastCall(keys, UINT32_MAX);
    for (std::uint32_t number = 0; number < calls.size(); ++number)
        ForEachGramOnce(calls[number], gramLength, lastCall, number,
                        [&](std::size_t key) { ++postings.starts[key + 1]; });
    for (std::size_t key = 0; key < keys; ++key) postings.starts[key + 1] += postings.starts[key];
    postings.numbers.resize(postings.starts[keys]);
    std::vector<std::uint32_t> filled(postings.starts.begin(), postings.starts.end() - 1);
    lastCall.assign(keys, UINT32_MAX);
    for (std::uint32_t number = 0; number < calls.size(); ++number)
        ForEachGramOnce(calls[number], gramLength, lastCall, number,
                        [&](std::size_t key) { postings.numbers[filled[key]++] = number; });
    return postings;
}

ScpIndex::ScpIndex(std::vector<std::string> calls)
    : m_calls(std::move(calls)), m_pairs(BuildPostings(m_calls, 2)), m_triples(BuildPostings(m_calls, 3)) {}

bool ScpIndex::Contains(std::string_view call) const {
    return std::binary_search(m_calls.begin(), m_calls.end(), call);
}

std::vector<std::string_view> ScpIndex::PartialMatches(std::string_view text, std::size_t limit) const {
    std::vector<std::string_view> matches;
    if (text.size() < 2 || text.size() > kLongestCall) return matches;
    std::span<const std::uint32_t> candidates;
    if (text.size() == 2) {
        const auto key = GramKey(text, 0, 2);
        if (!key) return matches;
        candidates = m_pairs.Of(*key);
    } else {
        // Every call that contains the text contains each of its triples: the rarest one is read.
        for (std::size_t at = 0; at + 3 <= text.size(); ++at) {
            const auto key = GramKey(text, at, 3);
            if (!key) return matches;
            const auto calls = m_triples.Of(*key);
            if (at == 0 || calls.size() < candidates.size()) candidates = calls;
        }
    }
    for (const std::uint32_t number : candidates) {
        if (matches.size() >= limit) break;
        const std::string_view call = m_calls[number];
        if (call.find(text) != std::string_view::npos) matches.push_back(call);
    }
    return matches;
}

std::vector<std::string_view> ScpIndex::NearCalls(std::string_view call, std::size_t limit) const {
    std::vector<std::string_view> near;
    // No known call is long enough to be one character away from a longer text.
    if (call.empty() || call.size() > kLongestCall + 1) return near;
    const auto keep = [&](const std::string& variant) {
        const auto found = std::lower_bound(m_calls.begin(), m_calls.end(), variant);
        if (found != m_calls.end() && *found == variant && *found != call) near.push_back(*found);
    };
    std::string variant;
    for (std::size_t at = 0; at <= call.size(); ++at) {
        for (const char c : kCallCharacters) keep(variant.assign(call).insert(at, 1, c));  // one added
        if (at == call.size()) break;
        keep(variant.assign(call).erase(at, 1));  // one missing
        for (const char c : kCallCharacters) {    // one replaced
            variant.assign(call)[at] = c;
            keep(variant);
        }
    }
    std::sort(near.begin(), near.end());
    near.erase(std::unique(near.begin(), near.end()), near.end());
    if (near.size() > limit) near.resize(limit);
    return near;
}

std::filesystem::path ScpFilePath(const ProgramFolder& folder) {
    const auto own = folder.Path(kScpFileName);
    if (FileExists(own)) return own;
    const std::filesystem::path system(kSystemScpPath);
    if (FileExists(system)) return system;
    return {};
}

ScpIndex LoadScpIndex(const ProgramFolder& folder) {
    const auto path = ScpFilePath(folder);
    if (path.empty()) return {};
    return ScpIndex(ReadScpCalls(ReadFileOrEmpty(path)));
}

}  // namespace tallyhawk
