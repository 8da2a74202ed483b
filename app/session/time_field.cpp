// The time field of the entry row.
#include "app/session/time_field.h"

#include <algorithm>

#include "core/text.h"

namespace tallyhawk {

std::string RepairTimeText(std::string_view text) {
    std::string time(TrimBlanks(text));
    if (!time.empty() && time[0] != '0' && time[0] != '1' && time[0] != '2') time[0] = '0';
    if (time.size() >= 2 && time[0] > '1' && time[1] > '3') time[1] = '0';
    if (time.size() >= 4 && time[3] > '5') time[3] = '0';
    if (time.size() < 5) return "00:00";
    if (time[0] == ':' || time[1] == ':' || time[3] == ':' || time.back() == ':') return "00:00";
    return time;
}

std::string ClockTimeText(const ClockReading& now, int timeShiftMinutes) {
    constexpr int kMinutesPerDay = 1440;
    int minutes = now.hour * 60 + now.minute + timeShiftMinutes;
    minutes %= kMinutesPerDay;
    if (minutes < 0) minutes += kMinutesPerDay;
    return TwoDigits(minutes / 60) + ":" + TwoDigits(minutes % 60);
}

TimeFieldEdit TypedTimeText(std::string_view text, std::size_t caret, std::string_view previous) {
    TimeFieldEdit edit{std::string(text), caret};
    // Removing a character changes the text again, so the check repeats on the shorter text.
    while (!edit.text.empty() && !IsDigit(edit.text.back()) && edit.text.back() != ':') edit.text.pop_back();
    if (edit.text == ":") edit.text.clear();
    edit.caret = std::min(edit.caret, edit.text.size());
    const bool typing = edit.text.size() >= previous.size();
    if (edit.text.size() == 2 && typing && edit.text.back() != ':') {
        edit.text.insert(edit.caret, 1, ':');
        ++edit.caret;
    }
    return edit;
}

std::string SavedTimeText(std::string_view fieldText) {
    std::string time(fieldText.substr(0, 2));
    if (fieldText.size() > 3) time.append(fieldText.substr(3, 2));
    return std::string(TrimBlanks(time));
}

}  // namespace tallyhawk
