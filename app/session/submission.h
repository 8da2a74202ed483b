// The log sent in after the contest, put together from the contest's submission facts, the settings
// and the contest log: which edition of the contest the log is, its header, the fields the sponsor
// requires, the contest period to check, and the names of the files written.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/session/submission_settings.h"
#include "convert/adif_export.h"
#include "convert/cabrillo_submission.h"
#include "core/contest_setup.h"
#include "log/contest_log_contacts.h"
#include "log/submission_check.h"
#include "scoring/contest_submission.h"

namespace tallyhawk {

struct Submission {
    const ContestSubmission* facts = nullptr;  // nothing for an unknown contest code
    ContestEdition edition;
    std::string contestName;                   // the override, or the edition's official name
    std::optional<ContestPeriod> period;       // the setting's, or the edition's in the log's year
    bool digitalIsPsk = false;                 // the digital lines of the log are PSK
    SubmissionSettings settings;
};

// The period of the setup's contest, mode and year as the contest's rules give it.
std::optional<ContestPeriod> DefaultContestPeriod(const ContestSetup& setup);

// The edition is the one of the log's most frequent mode (the setup's mode for an empty log).
Submission MakeSubmission(const ContestSetup& setup, const ContestLogContacts& log, SubmissionSettings settings);

struct SubmissionStation {
    const StationProfile& profile;
    std::string_view ownCountry;    // the own-country prefix
    std::string_view claimedScore;  // as the score label shows it
};

CabrilloSubmissionHeader MakeSubmissionHeader(const Submission& submission, const SubmissionStation& station,
                                              const ContestLogContacts& log);

// The header fields the sponsor requires, with the settings that fill them.
std::vector<RequiredHeaderField> RequiredHeaderFields(const Submission& submission,
                                                      const CabrilloSubmissionHeader& header);

ContactCheckRules ContactRulesOf(const Submission& submission);

AdifExportSetup MakeAdifSetup(const Submission& submission, const StationProfile& station,
                              std::string_view createdTimestamp);

// "<Callsign>-<contest name>" + extension, every character that cannot stand in a file name made "_".
std::string SubmissionFileName(std::string_view callsign, std::string_view contestName, std::string_view extension);

}  // namespace tallyhawk
