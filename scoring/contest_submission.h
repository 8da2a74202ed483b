// What a contest's sponsor asks of the log sent in after the contest: the official name of each mode's
// edition in Cabrillo and in ADIF and the days it runs, what the exchange holds, and the header fields
// the sponsor's robot refuses a log without. Each contest's record holds its own (scoring/contests/).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "scoring/contest_period.h"

namespace tallyhawk {

// The modes of the contest log's lines, as bits.
enum LogModeBits : unsigned { kCwLogs = 1, kPhoneLogs = 2, kDigitalLogs = 4 };
inline constexpr unsigned kCwAndPhoneLogs = kCwLogs | kPhoneLogs;

// The log mode code ("CW", "PH", "RY") as its bit; 0 for any other code.
unsigned LogModeBit(std::string_view logCode);

struct ContestEdition {
    unsigned modes = 0;               // the log modes this edition takes
    std::string_view cabrilloName;    // CONTEST: of a Cabrillo log
    std::string_view adifContestId;   // CONTEST_ID of an ADIF record; empty when ADIF has none
    ContestPeriodRule period;
};

// The recurring period of the sponsors' rules: the weekend of the month (0: the last) whose Saturday and
// Sunday both fall in the month, from the hour on Saturday, for so many hours.
constexpr ContestPeriodRule FullWeekendPeriod(int month, int weekend, int startHour, int hours) {
    return {.month = month, .weekend = weekend, .fullWeekend = true, .startMinute = startHour * 60, .hours = hours};
}

// The same from the month's n-th Saturday, whether or not its Sunday is in the month. A start hour of 24
// or more starts on the Sunday.
constexpr ContestPeriodRule NthSaturdayPeriod(int month, int saturday, int startHour, int hours) {
    return {.month = month, .weekend = saturday, .fullWeekend = false, .startMinute = startHour * 60, .hours = hours};
}

// What the exchange field of the log holds after the signal report, as the check before sending tests it.
struct ExchangeShape {
    bool (*accepts)(std::string_view exchange) = nullptr;  // never called with an empty exchange
    std::string_view description;                           // "a CQ zone 1-40", for the check's finding
    bool serialNumbered = false;  // a numeric exchange is a serial number (ADIF STX and SRX)
};

// Header fields beyond the categories that a sponsor's robot asks for.
enum RequiredHeaderBits : unsigned { kRequiresEmail = 1, kRequiresLocation = 2 };

struct ContestSubmission {
    std::array<ContestEdition, 3> editions{};  // unused editions take no mode
    ExchangeShape exchange;
    unsigned requiredHeaders = 0;
};

// The edition that takes the mode bit; the first edition when none does.
const ContestEdition& EditionForMode(const ContestSubmission& submission, unsigned modeBit);

// The program's contest code of an official Cabrillo name, in any case; nothing for other names.
std::optional<std::string> ContestCodeForCabrilloName(std::string_view name);

}  // namespace tallyhawk
