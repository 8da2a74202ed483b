// The contacts of a log per clock hour and band.
#include "database/hourly_contacts.h"

#include <map>

namespace tallyhawk {

std::vector<HourContacts> ContactsPerHour(std::span<const LoggedTime> times) {
    constexpr std::int64_t kMinutesPerHour = 60;
    std::map<std::int64_t, HourContacts> hours;
    for (const LoggedTime& contact : times) {
        // Minutes before 1970 are negative: the hour starts at the next lower multiple of 60.
        const std::int64_t remainder =
            ((contact.minute % kMinutesPerHour) + kMinutesPerHour) % kMinutesPerHour;
        const std::int64_t start = contact.minute - remainder;
        HourContacts& hour = hours[start];
        hour.hour = start;
        ++hour.total;
        if (const auto band = BandFromShortCode(contact.band))
            ++hour.perBand[static_cast<std::size_t>(BandIndex(*band))];
    }
    std::vector<HourContacts> rows;
    rows.reserve(hours.size());
    for (const auto& [start, hour] : hours) rows.push_back(hour);
    return rows;
}

}  // namespace tallyhawk
