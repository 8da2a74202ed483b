// The entry row's text rules: upper case, the exchange fields' digits-only rule, the length limits and
// the time field's colon. The window and the command line both set the row's texts through them.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/session/entry_form.h"
#include "log/contact_editor.h"
#include "scoring/contest.h"

namespace tallyhawk {

struct EntryRules {
    bool exchangeTakesLetters = false;  // otherwise both exchange fields take digits only
    // The longest text of each field, in the order of kEntryFields; 0: no limit (the read-only fields).
    std::array<std::size_t, kEntryFields.size()> maxLength{
        kCallFieldLimit, 0, kTimeFieldLimit, 0, 0, kExchangeFieldLimit, kExchangeFieldLimit};

    std::size_t MaxLength(Field field) const { return maxLength[static_cast<std::size_t>(field)]; }
};

// The rules of a contest for a station of this own country prefix, as start-up sets them.
EntryRules EntryRulesFor(std::string_view contest, std::string_view ownCountryPrefix);

// Why an edit was not taken as typed.
enum class FieldRefusal {
    None,
    Letters,  // a character other than a digit in a digits-only exchange: the field keeps its text
    TooLong,  // longer than the field's limit: the text is cut to the limit
    NotTime,  // a character other than a digit or ":" in the time field
};

struct FieldEdit {
    std::string text;       // what the field holds after the edit
    std::size_t caret = 0;  // where the caret stands in it
    FieldRefusal refusal = FieldRefusal::None;
};

// The field's text after an edit left `typed` in it with the caret at `caret`; `previous` is the text
// before the edit. The read-only fields (Date, Band, Mode) take any text: the contest setup fills them.
FieldEdit EditFieldText(const EntryRules& rules, Field field, std::string_view typed, std::size_t caret,
                        std::string_view previous);

// What a refusal tells the operator: "Exchange received 5NN refused: digits only in WPX DX".
std::string FieldRefusalText(const EntryRules& rules, Field field, std::string_view typed, FieldRefusal refusal,
                             std::string_view contest);

// The edit dialog's exchange fields in a contest: letters where the entry row takes them.
EditorExchangeRule EditorExchangeRuleFor(std::string_view contest);

}  // namespace tallyhawk
