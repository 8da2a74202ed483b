// When a contest runs: the rule its sponsor gives year after year ("the last full weekend of November,
// 0000 UTC Saturday, 48 hours"), the period that rule gives in a year, and the period as the
// "ContestPeriod" setting writes it ("2024-11-23 0000 2024-11-25 0000", the end not included).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/utc_calendar.h"

namespace tallyhawk {

struct ContestPeriodRule {
    int month = 0;             // 1-12; 0: the rules give no fixed period
    int weekend = 0;           // 1-4: the first to fourth weekend of the month; 0: the last
    bool fullWeekend = true;   // count only weekends whose Saturday and Sunday both fall in the month
    int startMinute = 0;       // minutes after 0000 UTC on the Saturday
    int hours = 0;
};

struct ContestPeriod {
    UtcMinute start = 0;
    UtcMinute end = 0;  // the first minute after the contest

    bool Contains(UtcMinute minute) const { return minute >= start && minute < end; }
};

// The period of the rule in a year; nothing for a rule without a fixed period.
std::optional<ContestPeriod> PeriodInYear(const ContestPeriodRule& rule, int year);

// "YYYY-MM-DD HHMM YYYY-MM-DD HHMM" (start, then the first minute after the end) to a period whose
// end is after its start; nothing for anything else.
std::optional<ContestPeriod> ParseContestPeriod(std::string_view text);
std::string FormatContestPeriod(const ContestPeriod& period);

}  // namespace tallyhawk
