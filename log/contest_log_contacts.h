// The contacts of the contest log as the exports and the check read them: every field of each QSO:
// line, cut by the line's columns. A line that a call of 14 or more characters has shifted is read by
// the blanks between its fields instead.
#pragma once

#include <string>
#include <string_view>
#include <vector>

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
};

struct ContestLogContacts {
    std::vector<ContestLogContact> contacts;
    std::vector<std::size_t> unreadLines;  // QSO: lines with neither the columns nor the fields
};

// Every QSO: line of the log text, in log order. The fields point into `log`.
ContestLogContacts ReadContestLogContacts(std::string_view log);

// The frequency in kHz that the exports give a contact: the one place that decides it. The contest log
// holds the band's frequency ("14000"), so that is what every export writes; an exact frequency of the
// contact, once one is kept beside the log, is taken here.
std::string ContactFrequencyKhz(const ContestLogContact& contact);

}  // namespace tallyhawk
