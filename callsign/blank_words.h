// Answering "does ' ' + word + ' ' occur in this text?" from a table of the words that stand between
// two blanks, instead of searching the text each time.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace tallyhawk {

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

template <typename Value>
using WordMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;
using WordSet = std::unordered_set<std::string, TextHash, std::equal_to<>>;

// For a non-empty word without blanks, " " + word + " " occurs in a text exactly when the word is one of
// the pieces between two blanks; an empty word or one holding a blank needs a literal search.
inline bool NeedsLiteralSearch(std::string_view word) {
    return word.empty() || word.find(' ') != std::string_view::npos;
}

// Calls `visit` with every non-empty piece of the text that has a blank before and after it.
template <typename Visit>
void ForEachBlankEnclosedWord(std::string_view text, Visit visit) {
    std::size_t blank = text.find(' ');
    while (blank != std::string_view::npos) {
        const std::size_t next = text.find(' ', blank + 1);
        if (next == std::string_view::npos) return;
        if (next > blank + 1) visit(text.substr(blank + 1, next - blank - 1));
        blank = next;
    }
}

// A blank-separated code list with its words tabled; Contains answers as a search for " code " would.
class PrefixList {
public:
    PrefixList() = default;
    explicit PrefixList(std::string text);

    bool Contains(std::string_view code) const;
    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
    WordSet m_words;
};

}  // namespace tallyhawk
