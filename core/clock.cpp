// The machine clock.
#include "core/clock.h"

#include <ctime>

namespace tallyhawk {

ClockReading ReadSystemClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    std::tm utc{};
    localtime_r(&now, &local);
    gmtime_r(&now, &utc);
    ClockReading reading{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                         local.tm_hour,        local.tm_min,     local.tm_sec};
    // timegm reads both broken-down times as UTC, so their difference is the zone offset.
    reading.utcMinusLocalMinutes = static_cast<int>((timegm(&utc) - timegm(&local)) / 60);
    return reading;
}

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

std::string DateText(const ClockReading& reading) {
    return std::to_string(reading.year) + "-" + TwoDigits(reading.month) + "-" + TwoDigits(reading.day);
}

}  // namespace tallyhawk
