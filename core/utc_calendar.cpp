// UTC dates and times as whole minutes.
#include "core/utc_calendar.h"

#include "core/text.h"

namespace tallyhawk {
namespace {

constexpr int kMinutesPerDay = 24 * 60;

std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size() || !IsAllDigits(text.substr(at, count))) return std::nullopt;
    return ParseInt(text.substr(at, count));
}

std::string Padded(std::int64_t value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return text;
}

// The civil date of a day count (the inverse of DaysFromCivil).
void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// 1970-01-01 was a Thursday.
int WeekdayOfDays(std::int64_t days) { return static_cast<int>(((days % 7) + 7 + 4) % 7); }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::optional<UtcMinute> ParseUtcMinute(std::string_view date, std::string_view time) {
    const auto year = Digits(date, 0, 4);
    const auto month = Digits(date, 5, 2);
    const auto day = Digits(date, 8, 2);
    if (date.size() != 10 || date[4] != '-' || date[7] != '-' || !year || !month || !day) return std::nullopt;
    if (*month < 1 || *month > 12 || *day < 1 || *day > DaysInMonth(*year, *month)) return std::nullopt;
    const std::size_t minutesAt = time.size() == 5 && time[2] == ':' ? 3 : 2;
    const auto hour = Digits(time, 0, 2);
    const auto minute = Digits(time, minutesAt, 2);
    if (time.size() != minutesAt + 2 || !hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
    return DaysFromCivil(*year, *month, *day) * kMinutesPerDay + *hour * 60 + *minute;
}

std::string FormatUtcMinute(UtcMinute minute) {
    const std::int64_t days = minute >= 0 ? minute / kMinutesPerDay : (minute - kMinutesPerDay + 1) / kMinutesPerDay;
    const std::int64_t ofDay = minute - days * kMinutesPerDay;
    int year = 0;
    int month = 0;
    int day = 0;
    CivilFromDays(days, year, month, day);
    return Padded(year, 4) + "-" + Padded(month, 2) + "-" + Padded(day, 2) + " " + Padded(ofDay / 60, 2) +
           Padded(ofDay % 60, 2);
}

std::optional<int> YearOfDate(std::string_view date) {
    if (date.size() < 4) return std::nullopt;
    return Digits(date, 0, 4);
}

}  // namespace tallyhawk
