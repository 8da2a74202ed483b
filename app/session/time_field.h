// The time field of the entry row: its repair when left, its clock fill, and the typing filter.
#pragma once

#include <string>
#include <string_view>

#include "core/clock.h"

namespace tallyhawk {

// The repair run when the time field is left: hours kept within 00-23 by its first two characters,
// tens of minutes within 0-5, and anything not of the form HH:MM becomes "00:00".
std::string RepairTimeText(std::string_view text);

// The time field's text from the clock: local minutes of the day moved by the time shift, wrapped
// into the day, as HH:MM.
std::string ClockTimeText(const ClockReading& now, int timeShiftMinutes);

// The time field after a keystroke. Trailing characters other than digits and ":" are removed, a lone
// ":" clears the field, and the second typed character (while typing, not deleting) gets the colon
// inserted at the caret, so that typing 1 2 3 4 shows 12:34. `previous` is the text before the key.
struct TimeFieldEdit {
    std::string text;
    std::size_t caret = 0;
};
TimeFieldEdit TypedTimeText(std::string_view text, std::size_t caret, std::string_view previous);

// The saved form of the time: characters 1-2 and 4-5 of HH:MM, blanks removed.
std::string SavedTimeText(std::string_view fieldText);

}  // namespace tallyhawk
