// Code lists answered from their tabled words.
#include "callsign/blank_words.h"

#include "core/text.h"

namespace tallyhawk {

PrefixList::PrefixList(std::string text) : m_text(std::move(text)) {
    ForEachBlankEnclosedWord(m_text, [this](std::string_view word) { m_words.emplace(word); });
}

bool PrefixList::Contains(std::string_view code) const {
    if (NeedsLiteralSearch(code)) return ListContainsCode(m_text, code);
    return m_words.find(code) != m_words.end();
}

}  // namespace tallyhawk
