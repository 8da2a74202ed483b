// The check before a log is sent: what the sponsors' log robots refuse or penalise, one finding per
// line of the contest log (time order, contest period, exchange, call, duplicate, mode, band, columns)
// and per header field the sponsor requires that is empty. Nothing is changed or removed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "log/contest_log_contacts.h"
#include "scoring/contest_period.h"
#include "scoring/contest_submission.h"

namespace tallyhawk {

struct CheckFinding {
    std::size_t line = 0;  // 1-based line of the contest log; 0 for the submission's header
    std::string text;
};

struct ContactCheckRules {
    std::string_view contestName;          // the edition's official name, for the texts
    unsigned modes = 0;                    // the log modes the edition takes
    ExchangeShape exchange;                // what the sent and received exchange hold
    std::optional<ContestPeriod> period;   // none: the period is not checked
};

// The findings of the contacts, in log order.
std::vector<CheckFinding> CheckContacts(const ContestLogContacts& log, const ContactCheckRules& rules);

// A header field the sponsor requires: its Cabrillo tag, its value, and the setting that fills it.
struct RequiredHeaderField {
    std::string_view tag;
    std::string_view value;
    std::string_view setting;
};

// A finding for each required field whose value is empty, and for a grid locator of the wrong form.
std::vector<CheckFinding> CheckHeader(const std::vector<RequiredHeaderField>& fields, std::string_view contestName,
                                      std::string_view gridLocator);

// "line 12: text", or "header: text".
std::string FindingText(const CheckFinding& finding);

}  // namespace tallyhawk
