// Contacts per hour while operating: over the last 10 contacts and over the last 60 minutes, both by
// the logged date and time of the contacts (not by the clock), so that a log read back later gives the
// figures it had when its last contact was saved.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/contest_index.h"

namespace tallyhawk {

// Minutes since 1970-01-01 00:00 of a logged date "YYYY-MM-DD" and time "HHMM" (or "HH:MM"); nothing
// when either is not a real date or time of day.
std::optional<std::int64_t> LoggedMinute(std::string_view date, std::string_view time);

// "YYYY-MM-DD HH:MM" of a logged minute.
std::string LoggedMinuteText(std::int64_t minute);

// The names of the two rates, as the window and the command line show them.
inline constexpr std::string_view kLastTenRateText = "Last 10 QSOs";
inline constexpr std::string_view kLastHourRateText = "Last 60 minutes";

struct ContactRates {
    // The 10 latest contacts (all of them when fewer) over the minutes from the first to the last of
    // them, counting both whole minutes: 10 contacts logged from 12:00 to 12:09 are 60 per hour.
    int lastTen = 0;
    // The contacts logged in the 60 minutes that end with the minute of the latest contact.
    int lastHour = 0;

    bool operator==(const ContactRates&) const = default;
};

// The logged minutes needed for both rates, fed one contact at a time in any order. It keeps only the
// minutes of the last hour and those of the 10 latest contacts, so a save adds at constant cost.
class RateWindow {
public:
    void Add(std::int64_t minute);
    void Clear();
    ContactRates Rates() const;

private:
    void ForgetOldMinutes();

    std::map<std::int64_t, int> m_contactsPerMinute;
    int m_contacts = 0;
};

// One contact of the contest index as the rates and the hour table read it.
struct LoggedTime {
    std::int64_t minute = 0;
    std::string band;  // short code, "20"
};

// The logged minute and band of every contact of the contest index, in log order. A record whose date
// or time cannot be read is left out.
std::vector<LoggedTime> ReadLoggedTimes(const ContestIndexFiles& files);

}  // namespace tallyhawk
