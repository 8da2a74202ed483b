// A stand-in for the Raccd32a callbook library with a few canned answers, built as Raccd32a.so for the
// loader tests. It knows calls in lower case only, on a drive given as "x:\", with the status at 0.
#include <cstring>
#include <string_view>
#include <type_traits>

#include "app/qt/callbook_functions.h"

namespace {

struct CannedAnswer {
    std::string_view call;
    const char* answer;
};

// Fields start at marker bytes: 01 call, 02 name and address, 03 city, 06 state, 07 zip, 0D county,
// 0E licence class, 10 DXCC, 11 end. Markers are written as separate literals so that no letter after
// them is read as a hex digit.
// clang-format off
constexpr CannedAnswer kAnswers[] = {
    {"w1aw", "\x01" "W1AW" "\x02" "Hiram Percy Maxim, 225 Main Street" "\x03" "Newington" "\x06" "CT" "\x07"
             "06111" "\x0D" "Hartford" "\x0E" "Club" "\x10" "United States" "\x11"},
    {"g3abc", "\x01" "G3ABC" "\x02" "John Smith,  1 High Street" "\x03" "London" "\x06" "\x07" "\x10"
              "England" "\x11"},
    {"dl1abc", "\x01" "DL1ABC" "\x02" "Hans Muster, Hauptstrasse 1" "\x03" "Berlin" "\x06" "\x07" "\x10"
               "Fed. Rep. of Germany" "\x11"},
};

// A call the disc does not hold gets the nearest record, as a search on a sorted disc would.
constexpr const char* kNearestRecord =
    "\x01" "W1AX" "\x02" "Nearest Neighbour, 1 Other Road" "\x03" "Hartford" "\x06" "CT" "\x07" "\x10"
    "United States" "\x11";
// clang-format on

bool IsDrive(const char* drive) { return std::strlen(drive) == 3 && std::strcmp(drive + 1, ":\\") == 0; }

}  // namespace

extern "C" void sGetCallInfo(const char* drive, const char* call, char* result, std::int32_t* status) {
    if (*status != 0 || !IsDrive(drive)) return;
    const char* answer = kNearestRecord;
    for (const CannedAnswer& canned : kAnswers) {
        if (canned.call == call) answer = canned.answer;
    }
    std::strncpy(result, answer, 499);
    *status = 1;
}

static_assert(std::is_same_v<decltype(&sGetCallInfo), tallyhawk::RacGetCallInfoFunction>);
