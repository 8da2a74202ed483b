// The machine clock as the program reads it: local date and time plus the local offset from UTC.
// Passed into the session so that tests fix the time.
#pragma once

#include <functional>
#include <string>

namespace tallyhawk {

struct ClockReading {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int utcMinusLocalMinutes = 0;  // minutes to add to the local time to get UTC
};

using Clock = std::function<ClockReading()>;

ClockReading ReadSystemClock();

// "%Y-%m-%d" of the reading's local date.
std::string DateText(const ClockReading& reading);

// Two digits with a leading zero.
std::string TwoDigits(int value);

}  // namespace tallyhawk
