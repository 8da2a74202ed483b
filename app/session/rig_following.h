// Following the radio: what one poll of the radio reads, the contest band of its frequency, the entry
// code of its mode, whether the contest holds its band whatever the radio does, and the notes the
// window shows when the radio goes away or comes back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/band.h"
#include "core/message.h"

namespace tallyhawk {

// One poll of the radio.
struct RigReading {
    Hertz frequency = 0;
    std::string mode;  // Hamlib's name of the mode: "USB", "CWR", "PKTUSB", ...

    bool operator==(const RigReading&) const = default;
};

// The entry code of a radio mode: "CW" for CW, "PH" for voice, "RY" for RTTY and the data modes,
// "PS" for PSK; nothing for a mode the contests do not log (the entry row keeps its mode).
std::optional<std::string_view> EntryModeOfRigMode(std::string_view rigMode);

// Contests held on fixed bands (ARRL 10 M, RSGB 7 MHZ, and RSGB 21/28 below 15 m) keep their band
// when the radio moves to another one.
bool ContestKeepsBand(std::string_view contestCode, Band band);

// What the session knows of the radio between polls.
enum class RigLink { Unknown, Connected, NotConnected };
struct RigState {
    RigLink link = RigLink::Unknown;
    std::optional<Hertz> frequency;  // while connected
    std::string band;                // the short code of the band the radio was last seen on
    std::string mode;                // the entry code of the radio's last mode
};

// "radio not connected": once, when a poll first fails; "radio connected" when one succeeds again.
Message RigNotConnectedMessage();
Message RigConnectedMessage();

}  // namespace tallyhawk
