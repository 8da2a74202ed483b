// The submission facts of the twenty contests.
//
// Names: the Cabrillo names are those of the WA7BNM Cabrillo contest-name list and of the sponsors'
// log instructions; the ADIF names are those of the ADIF Contest_ID enumeration. Where neither lists
// the contest the name is a guess, marked so below; "CabrilloContest" overrides it.
// Periods: the recurring dates and UTC times of the sponsors' published rules; a guess is marked.
#include "scoring/contest_submission.h"

#include "core/contest_id.h"
#include "core/text.h"

namespace tallyhawk {
namespace {

constexpr unsigned kCwAndPhone = kCwLogs | kPhoneLogs;
constexpr int kHour = 60;

// Month, weekend (0: the last), full weekend or plain Saturday, start on Saturday, hours.
constexpr ContestPeriodRule Full(int month, int weekend, int startHour, int hours) {
    return {month, weekend, true, startHour * kHour, hours};
}
constexpr ContestPeriodRule NthSaturday(int month, int saturday, int startHour, int hours) {
    return {month, saturday, false, startHour * kHour, hours};
}

struct ContestSubmissionRow {
    std::string_view id;
    ContestSubmission submission;
};

const std::array<ContestSubmissionRow, 20> kSubmissions = {{
    {"AAD", {{{{kCwLogs, "AADX-CW", "ALL-ASIAN-DX-CW", NthSaturday(6, 3, 0, 48)},
               {kPhoneLogs, "AADX-SSB", "ALL-ASIAN-DX-PHONE", NthSaturday(9, 1, 0, 48)}}},
             ExchangeKind::Age}},
    {"A10", {{{{kCwAndPhone, "ARRL-10", "ARRL-10", Full(12, 2, 0, 48)}}},
             ExchangeKind::SerialOrLetters, kRequiresEmail | kRequiresLocation}},
    {"ARR", {{{{kCwLogs, "ARRL-DX-CW", "ARRL-DX-CW", Full(2, 3, 0, 48)},
               {kPhoneLogs, "ARRL-DX-SSB", "ARRL-DX-SSB", Full(3, 1, 0, 48)}}},
             ExchangeKind::SerialOrLetters, kRequiresEmail | kRequiresLocation}},
    {"CQ", {{{{kCwLogs, "CQ-WW-CW", "CQ-WW-CW", Full(11, 0, 0, 48)},
              {kPhoneLogs, "CQ-WW-SSB", "CQ-WW-SSB", Full(10, 0, 0, 48)},
              {kDigitalLogs, "CQ-WW-RTTY", "CQ-WW-RTTY", Full(9, 0, 0, 48)}}},
            ExchangeKind::CqZone, kRequiresEmail}},
    {"CQM", {{{{kCwAndPhone, "CQ-M", "CQ-M", Full(5, 2, 12, 24)}}}, ExchangeKind::Serial}},
    {"IAR", {{{{kCwAndPhone, "IARU-HF", "IARU-HF", Full(7, 2, 12, 24)}}},
             ExchangeKind::ItuZoneOrSociety, kRequiresEmail}},
    {"JA", {{{{kCwLogs, "JIDX-CW", "JIDX-CW", {4, 2, true, 7 * kHour, 30}},
              {kPhoneLogs, "JIDX-SSB", "JIDX-SSB", {11, 2, true, 7 * kHour, 30}}}},
            ExchangeKind::ZoneOrPrefecture}},
    {"LZ", {{{{kCwAndPhone, "LZ-DX", "LZ DX", Full(11, 3, 12, 24)}}}, ExchangeKind::ItuZone}},
    {"OCE", {{{{kPhoneLogs, "OCEANIA-DX-SSB", "OCEANIA-DX-SSB", {10, 1, true, 8 * kHour, 24}},
               {kCwLogs, "OCEANIA-DX-CW", "OCEANIA-DX-CW", {10, 2, true, 8 * kHour, 24}}}},
             ExchangeKind::Serial}},
    {"OKM", {{{{kCwLogs, "OK-OM-DX", "OK-OM-DX", Full(11, 2, 12, 24)},
               {kPhoneLogs, "OK-OM-DX", "OK-OM-DX", Full(4, 2, 12, 24)}}},
             ExchangeKind::SerialOrLetters}},
    {"PAC", {{{{kCwAndPhone, "PACC", "PACC", Full(2, 2, 12, 24)}}}, ExchangeKind::SerialOrLetters}},
    {"REF", {{{{kCwLogs, "REF-CW", "REF-CW", {1, 0, true, 6 * kHour, 36}},
               {kPhoneLogs, "REF-SSB", "REF-SSB", {2, 0, true, 6 * kHour, 36}}}},
             ExchangeKind::SerialOrLetters}},
    // Guess: neither list names the RSGB 21/28 MHz contests; the names follow their ADIF ids, and the
    // dates (first and third Sunday of October, 0700-1900 UTC) are no longer in the rules we found.
    {"RS2", {{{{kPhoneLogs, "RSGB-21/28-SSB", "RSGB-21/28-SSB", {10, 1, false, 31 * kHour, 12}},
               {kCwLogs, "RSGB-21/28-CW", "RSGB-21/28-CW", {10, 3, false, 31 * kHour, 12}}}},
             ExchangeKind::SerialWithDistrict}},
    // Guess: no list names the RSGB 7 MHz contest and ADIF has no id for it; its rules give no date
    // we could find, so "ContestPeriod" must be set for the time check.
    {"RS7", {{{{kCwAndPhone, "RSGB-7MHZ", "", {}}}}, ExchangeKind::SerialWithDistrict}},
    {"RUS", {{{{kCwAndPhone, "RDXC", "RDXC", Full(3, 3, 12, 24)}}}, ExchangeKind::SerialOrLetters}},
    {"SAC", {{{{kCwLogs, "SAC-CW", "SAC-CW", Full(9, 3, 12, 24)},
               {kPhoneLogs, "SAC-SSB", "SAC-SSB", Full(10, 2, 12, 24)}}},
             ExchangeKind::Serial}},
    {"SP", {{{{kCwAndPhone, "SPDX", "SPDXContest", Full(4, 1, 15, 24)}}}, ExchangeKind::SerialOrLetters}},
    {"UBD", {{{{kPhoneLogs, "UBA-DX-SSB", "UBA-DX-SSB", Full(1, 0, 13, 24)},
               {kCwLogs, "UBA-DX-CW", "UBA-DX-CW", Full(2, 0, 13, 24)}}},
             ExchangeKind::SerialWithDistrict}},
    {"UKR", {{{{kCwAndPhone, "UKRAINIAN-DX", "UKRAINIAN DX", Full(11, 1, 12, 24)}}},
             ExchangeKind::SerialOrLetters}},
    {"WPX", {{{{kPhoneLogs, "CQ-WPX-SSB", "CQ-WPX-SSB", Full(3, 0, 0, 48)},
               {kCwLogs, "CQ-WPX-CW", "CQ-WPX-CW", Full(5, 0, 0, 48)},
               {kDigitalLogs, "CQ-WPX-RTTY", "CQ-WPX-RTTY", Full(2, 2, 0, 48)}}},
             ExchangeKind::Serial, kRequiresEmail}},
}};

}  // namespace

unsigned LogModeBit(std::string_view logCode) {
    if (logCode == "CW") return kCwLogs;
    if (logCode == "PH") return kPhoneLogs;
    if (logCode == "RY") return kDigitalLogs;
    return 0;
}

const ContestSubmission* SubmissionFor(std::string_view contestId) {
    for (const auto& row : kSubmissions) {
        if (row.id == contestId) return &row.submission;
    }
    return nullptr;
}

const ContestEdition& EditionForMode(const ContestSubmission& submission, unsigned modeBit) {
    for (const auto& edition : submission.editions) {
        if (edition.modes & modeBit) return edition;
    }
    return submission.editions.front();
}

std::optional<std::string> ContestCodeForCabrilloName(std::string_view name) {
    const std::string upper = ToUpperAscii(TrimWhitespace(name));
    for (const auto& row : kSubmissions) {
        for (const auto& edition : row.submission.editions) {
            if (edition.modes != 0 && edition.cabrilloName == upper) return std::string(row.id);
        }
    }
    return std::nullopt;
}

}  // namespace tallyhawk
