// Contacts per hour by the logged times: minutes from dates and times, the rate window, and the
// logged times of the contest index.
#include "database/contact_rate.h"

#include <chrono>

#include "core/clock.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

constexpr int kLastContacts = 10;
constexpr std::int64_t kMinutesPerHour = 60;
constexpr std::int64_t kMinutesPerDay = 1440;

std::optional<int> DigitsAt(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) return std::nullopt;
    const std::string_view digits = text.substr(at, count);
    if (!IsAllDigits(digits)) return std::nullopt;
    return ParseInt(digits);
}

std::optional<std::int64_t> MinuteOfDay(std::string_view time) {
    const std::size_t minuteAt = time.size() == 5 && time[2] == ':' ? 3 : 2;
    if (time.size() != minuteAt + 2) return std::nullopt;
    const auto hour = DigitsAt(time, 0, 2);
    const auto minute = DigitsAt(time, minuteAt, 2);
    if (!hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
    return *hour * kMinutesPerHour + *minute;
}

std::optional<std::int64_t> DaysSince1970(std::string_view date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return std::nullopt;
    const auto year = DigitsAt(date, 0, 4);
    const auto month = DigitsAt(date, 5, 2);
    const auto day = DigitsAt(date, 8, 2);
    if (!year || !month || !day) return std::nullopt;
    const std::chrono::year_month_day civil{std::chrono::year(*year),
                                            std::chrono::month(static_cast<unsigned>(*month)),
                                            std::chrono::day(static_cast<unsigned>(*day))};
    if (!civil.ok()) return std::nullopt;
    return std::chrono::sys_days(civil).time_since_epoch().count();
}

// Contacts per hour of `contacts` logged over `minutes` whole minutes, rounded.
int PerHour(int contacts, std::int64_t minutes) {
    return static_cast<int>((contacts * kMinutesPerHour + minutes / 2) / minutes);
}

// The summary's field `index` (fields separated by ","), or empty.
std::string_view SummaryField(std::string_view summary, std::size_t index) {
    for (; index > 0; --index) {
        const auto comma = summary.find(',');
        if (comma == std::string_view::npos) return {};
        summary.remove_prefix(comma + 1);
    }
    return summary.substr(0, summary.find(','));
}

}  // namespace

std::optional<std::int64_t> LoggedMinute(std::string_view date, std::string_view time) {
    const auto days = DaysSince1970(date);
    const auto minuteOfDay = MinuteOfDay(time);
    if (!days || !minuteOfDay) return std::nullopt;
    return *days * kMinutesPerDay + *minuteOfDay;
}

std::string LoggedMinuteText(std::int64_t minute) {
    const std::int64_t day =
        minute >= 0 ? minute / kMinutesPerDay : (minute - kMinutesPerDay + 1) / kMinutesPerDay;
    const int ofDay = static_cast<int>(minute - day * kMinutesPerDay);
    const std::chrono::year_month_day civil{std::chrono::sys_days(std::chrono::days(day))};
    return std::to_string(static_cast<int>(civil.year())) + "-" +
           TwoDigits(static_cast<int>(unsigned(civil.month()))) + "-" +
           TwoDigits(static_cast<int>(unsigned(civil.day()))) + " " + TwoDigits(ofDay / 60) + ":" +
           TwoDigits(ofDay % 60);
}

void RateWindow::Add(std::int64_t minute) {
    ++m_contactsPerMinute[minute];
    ++m_contacts;
    ForgetOldMinutes();
}

void RateWindow::Clear() {
    m_contactsPerMinute.clear();
    m_contacts = 0;
}

// A minute can go once it lies before the last hour and the later minutes hold 10 contacts: no contact
// added afterwards can bring it back into either figure.
void RateWindow::ForgetOldMinutes() {
    const std::int64_t hourStart = m_contactsPerMinute.rbegin()->first - kMinutesPerHour + 1;
    while (m_contactsPerMinute.size() > 1) {
        const auto oldest = m_contactsPerMinute.begin();
        if (oldest->first >= hourStart || m_contacts - oldest->second < kLastContacts) break;
        m_contacts -= oldest->second;
        m_contactsPerMinute.erase(oldest);
    }
}

ContactRates RateWindow::Rates() const {
    ContactRates rates;
    if (m_contactsPerMinute.empty()) return rates;
    const std::int64_t latest = m_contactsPerMinute.rbegin()->first;
    for (const auto& [minute, contacts] : m_contactsPerMinute) {
        if (minute > latest - kMinutesPerHour) rates.lastHour += contacts;
    }
    // Back from the latest minute until 10 contacts are counted; the minute reached starts the span.
    int counted = 0;
    std::int64_t first = latest;
    for (auto minute = m_contactsPerMinute.rbegin();
         minute != m_contactsPerMinute.rend() && counted < kLastContacts; ++minute) {
        counted += minute->second;
        first = minute->first;
    }
    rates.lastTen = PerHour(std::min(counted, kLastContacts), latest - first + 1);
    return rates;
}

std::vector<LoggedTime> ReadLoggedTimes(const ContestIndexFiles& files) {
    const std::size_t count = ContestIndexCount(files);
    const ContestIndexBlock block = ReadContestIndexBlock(files, 0, count);
    std::vector<LoggedTime> times;
    times.reserve(count);
    for (std::size_t at = 0; at < block.records.size(); at += kContestIndexRecordSize) {
        const std::string_view summary =
            TrimBlanks(std::string_view(block.records).substr(at, kContestIndexRecordSize));
        const auto minute = LoggedMinute(SummaryField(summary, 0), SummaryField(summary, 1));
        if (minute) times.push_back({*minute, std::string(SummaryField(summary, 2))});
    }
    return times;
}

}  // namespace tallyhawk
