// When a contest runs.
#include "scoring/contest_period.h"

#include <vector>

#include "core/text.h"

namespace tallyhawk {
namespace {

constexpr int kSaturday = 6;

// The day counts of the month's Saturdays that open a weekend of the kind the rule counts.
std::vector<std::int64_t> WeekendSaturdays(const ContestPeriodRule& rule, int year) {
    std::vector<std::int64_t> saturdays;
    const std::int64_t first = DaysFromCivil(year, rule.month, 1);
    const int days = DaysInMonth(year, rule.month);
    for (int day = 0; day < days; ++day) {
        const bool sundayInMonth = day + 1 < days;
        if (WeekdayOfDays(first + day) == kSaturday && (sundayInMonth || !rule.fullWeekend)) {
            saturdays.push_back(first + day);
        }
    }
    return saturdays;
}

}  // namespace

std::optional<ContestPeriod> PeriodInYear(const ContestPeriodRule& rule, int year) {
    if (rule.month < 1 || rule.month > 12) return std::nullopt;
    const auto saturdays = WeekendSaturdays(rule, year);
    const std::size_t count = saturdays.size();
    if (count == 0 || rule.weekend > static_cast<int>(count)) return std::nullopt;
    const std::int64_t saturday = rule.weekend == 0 ? saturdays.back() : saturdays[static_cast<std::size_t>(rule.weekend - 1)];
    const UtcMinute start = saturday * 24 * 60 + rule.startMinute;
    return ContestPeriod{start, start + static_cast<UtcMinute>(rule.hours) * 60};
}

std::optional<ContestPeriod> ParseContestPeriod(std::string_view text) {
    const auto words = SplitWords(TrimWhitespace(text), " ");
    if (words.size() != 4) return std::nullopt;
    const auto start = ParseUtcMinute(words[0], words[1]);
    const auto end = ParseUtcMinute(words[2], words[3]);
    if (!start || !end || *end <= *start) return std::nullopt;
    return ContestPeriod{*start, *end};
}

std::string FormatContestPeriod(const ContestPeriod& period) {
    return FormatUtcMinute(period.start) + " " + FormatUtcMinute(period.end);
}

}  // namespace tallyhawk
