// The contest being worked (ContestSetup) and the operator's own station (StationProfile).
#pragma once

#include <optional>
#include <string>

#include "core/contest_id.h"

namespace tallyhawk {

struct ContestSetup {
    ContestId contest;
    std::string band;   // short code "10" .. "160"
    std::string mode;   // registry text "CW", "Phone", "RTTY" or "PSK"
    std::string date;   // "%Y-%m-%d"
    bool realTimeMode = false;
    // Minutes added to the local clock to get UTC; a stored "-" shift is kept negative.
    int timeShiftMinutes = 0;
    std::string transmitterId = "0";
};

struct StationProfile {
    std::string callsign;
    std::string name;
    std::string club;
    std::string address;  // up to four lines joined by "*"
    std::string cqZone;
    std::string continent;
};

inline constexpr std::size_t kCallsignMaxLength = 14;

}  // namespace tallyhawk
