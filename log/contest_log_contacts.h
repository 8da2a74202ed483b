// The contacts of the contest log as the exports and the check read them: every field of each QSO:
// line, cut by the line's columns. A line that a call of 14 or more characters has shifted is read by
// the blanks between its fields instead.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/band.h"

namespace tallyhawk {

struct ContestLogContact {
    std::size_t line = 0;          // 1-based line number in the log
    std::string_view frequency;    // "14000"; "*****" for a band the log does not know
    std::string_view band;         // short code "10" .. "160"; empty for an unknown band
    std::string_view mode;         // log code "CW", "PH", "RY" or "**"
    std::string_view date;
    std::string_view time;
    std::string_view ownCall;
    std::string_view reportSent;
    std::string_view exchangeSent;
    std::string_view call;
    std::string_view reportReceived;
    std::string_view exchangeReceived;
    std::string_view transmitter;
    bool inColumns = true;         // false: the line is not in the log's fixed columns
    std::size_t qsoNumber = 0;     // 1-based among the log's QSO: lines, read or not
    std::optional<Hertz> exactFrequency;  // the radio's, when it was kept beside the log
};

struct ContestLogContacts {
    std::vector<ContestLogContact> contacts;
    std::vector<std::size_t> unreadLines;  // QSO: lines with neither the columns nor the fields
};

// Every QSO: line of the log text, in log order. The fields point into `log`.
ContestLogContacts ReadContestLogContacts(std::string_view log);

// The frequency that the exports give a contact: the one place that decides it. The contest log holds
// the band's frequency ("14000"); the exact frequency, when known, wins. Cabrillo takes whole kHz
// (rounded), ADIF MHz down to the hertz ("14.02563"); both are empty for a band the log does not know.
std::string ContactFrequencyKhz(const ContestLogContact& contact);
std::string ContactFrequencyMhz(const ContestLogContact& contact);

}  // namespace tallyhawk
