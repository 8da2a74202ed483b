// The contacts of a log per clock hour and band, by the logged date and time.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/band.h"
#include "database/contact_rate.h"

namespace tallyhawk {

struct HourContacts {
    std::int64_t hour = 0;                     // the logged minute at which the clock hour starts
    std::array<int, kBands.size()> perBand{};  // in the order of kBands
    int total = 0;                             // every contact of the hour, those of no known band too
};

// One row per clock hour that holds a contact, in time order; hours without contacts are left out.
std::vector<HourContacts> ContactsPerHour(std::span<const LoggedTime> times);

}  // namespace tallyhawk
