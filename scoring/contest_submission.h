// What a contest's sponsor asks of the log sent in after the contest: the official name of each mode's
// edition in Cabrillo and in ADIF and the days it runs, what the exchange holds, and the header fields
// the sponsor's robot refuses a log without.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "scoring/contest_period.h"

namespace tallyhawk {

// The modes of the contest log's lines, as bits.
enum LogModeBits : unsigned { kCwLogs = 1, kPhoneLogs = 2, kDigitalLogs = 4 };

// The log mode code ("CW", "PH", "RY") as its bit; 0 for any other code.
unsigned LogModeBit(std::string_view logCode);

struct ContestEdition {
    unsigned modes = 0;               // the log modes this edition takes
    std::string_view cabrilloName;    // CONTEST: of a Cabrillo log
    std::string_view adifContestId;   // CONTEST_ID of an ADIF record; empty when ADIF has none
    ContestPeriodRule period;
};

// What the exchange field of the log holds after the signal report.
enum class ExchangeKind {
    Serial,              // a serial number
    CqZone,              // 1-40
    ItuZone,             // 1-90
    Age,                 // two digits, 00 allowed
    ZoneOrPrefecture,    // a CQ zone (Japanese stations receive) or a prefecture number, 1-50
    SerialOrLetters,     // a serial number, or letters such as a state, province, district or power
    SerialWithDistrict,  // a serial number, followed by a district's letters from home stations
    ItuZoneOrSociety,    // an ITU zone, or the abbreviation of an IARU member society or official
};

// Header fields beyond the categories that a sponsor's robot asks for.
enum RequiredHeaderBits : unsigned { kRequiresEmail = 1, kRequiresLocation = 2 };

struct ContestSubmission {
    std::array<ContestEdition, 3> editions{};  // unused editions take no mode
    ExchangeKind exchange = ExchangeKind::Serial;
    unsigned requiredHeaders = 0;
};

// The submission facts of a contest code, or nothing for an unknown code.
const ContestSubmission* SubmissionFor(std::string_view contestId);

// The edition that takes the mode bit; the first edition when none does.
const ContestEdition& EditionForMode(const ContestSubmission& submission, unsigned modeBit);

// The program's contest code of an official Cabrillo name, in any case; nothing for other names.
std::optional<std::string> ContestCodeForCabrilloName(std::string_view name);

}  // namespace tallyhawk
