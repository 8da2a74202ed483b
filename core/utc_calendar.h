// UTC dates and times as whole minutes, for the contest period: days counted from 1970-01-01 in the
// proleptic Gregorian calendar, and the "YYYY-MM-DD HHMM" text of logs and settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallyhawk {

using UtcMinute = std::int64_t;  // minutes since 1970-01-01 0000 UTC

std::int64_t DaysFromCivil(int year, int month, int day);
int WeekdayOfDays(std::int64_t days);  // 0 Sunday .. 6 Saturday
int DaysInMonth(int year, int month);

// "2024-11-23" and "0000" (or "00:00") to minutes; nothing for a malformed or impossible date or time.
std::optional<UtcMinute> ParseUtcMinute(std::string_view date, std::string_view time);

// "YYYY-MM-DD HHMM".
std::string FormatUtcMinute(UtcMinute minute);

// The year of a "YYYY-MM-DD" date, or nothing.
std::optional<int> YearOfDate(std::string_view date);

}  // namespace tallyhawk
