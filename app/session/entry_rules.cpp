// The entry row's text rules.
#include "app/session/entry_rules.h"

#include <algorithm>

#include "app/session/time_field.h"
#include "core/text.h"
#include "scoring/contest_table.h"

namespace tallyhawk {
namespace {

bool IsExchange(Field field) { return field == Field::ExchangeSent || field == Field::ExchangeReceived; }

bool IsTyped(Field field) { return field == Field::Call || field == Field::Time || IsExchange(field); }

bool OnlyDigits(std::string_view text) { return text.find_first_not_of("0123456789") == std::string_view::npos; }

// A refused edit puts the caret back where it stood before the keystroke.
FieldEdit KeepPrevious(std::string_view previous, std::string_view typed, std::size_t caret, FieldRefusal why) {
    const std::size_t inserted = typed.size() > previous.size() ? typed.size() - previous.size() : 0;
    const std::size_t before = caret > inserted ? caret - inserted : 0;
    return {std::string(previous), std::min(before, previous.size()), why};
}

}  // namespace

EntryRules EntryRulesFor(std::string_view contest, std::string_view ownCountryPrefix) {
    EntryRules rules;
    rules.exchangeTakesLetters = ExchangeTakesLetters(contest);
    const ExchangeLimits limits = ExchangeLimitsFor(contest, ownCountryPrefix);
    rules.maxLength[static_cast<std::size_t>(Field::ExchangeSent)] = limits.sent;
    rules.maxLength[static_cast<std::size_t>(Field::ExchangeReceived)] = limits.received;
    return rules;
}

FieldEdit EditFieldText(const EntryRules& rules, Field field, std::string_view typed, std::size_t caret,
                        std::string_view previous) {
    if (!IsTyped(field)) return {std::string(typed), std::min(caret, typed.size())};
    std::string text = ToUpperAscii(typed);
    caret = std::min(caret, text.size());
    if (IsExchange(field) && !rules.exchangeTakesLetters && !OnlyDigits(text)) {
        return KeepPrevious(previous, text, caret, FieldRefusal::Letters);
    }
    FieldRefusal refusal = FieldRefusal::None;
    const std::size_t limit = rules.MaxLength(field);
    if (limit > 0 && text.size() > limit) {
        text.resize(limit);
        caret = std::min(caret, limit);
        refusal = FieldRefusal::TooLong;
    }
    if (field != Field::Time) return {std::move(text), caret, refusal};
    if (refusal == FieldRefusal::None && text.find_first_not_of("0123456789:") != std::string::npos) {
        refusal = FieldRefusal::NotTime;
    }
    TimeFieldEdit time = TypedTimeText(text, caret, previous);
    return {std::move(time.text), time.caret, refusal};
}

std::string FieldRefusalText(const EntryRules& rules, Field field, std::string_view typed, FieldRefusal refusal,
                             std::string_view contest) {
    const std::string start = std::string(FieldName(field)) + " " + std::string(typed) + " refused: ";
    switch (refusal) {
        case FieldRefusal::None:
            break;
        case FieldRefusal::Letters: {
            const std::string_view name = ContestListNameForCode(contest);
            return start + "digits only in " + std::string(name.empty() ? contest : name);
        }
        case FieldRefusal::TooLong:
            return start + "at most " + std::to_string(rules.MaxLength(field)) + " characters";
        case FieldRefusal::NotTime:
            return start + "digits and ':' only";
    }
    return {};
}

EditorExchangeRule EditorExchangeRuleFor(std::string_view contest) {
    return {ExchangeTakesLetters(contest), contest};
}

}  // namespace tallyhawk
