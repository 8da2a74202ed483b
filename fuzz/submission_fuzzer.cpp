// A contest log edited by hand, exported and checked: the exports and the check read any bytes.
#include "convert/adif_export.h"
#include "convert/cabrillo_submission.h"
#include "fuzz/fuzz_input.h"
#include "log/contest_log_contacts.h"
#include "log/submission_check.h"
#include "scoring/exchange_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = tallyhawk::FuzzText(data, size);
    const tallyhawk::ContestLogContacts log = tallyhawk::ReadContestLogContacts(text);
    const tallyhawk::ContactCheckRules rules{.contestName = "CQ-WW-CW", .modes = tallyhawk::kCwLogs,
                                             .exchange = tallyhawk::kCqZoneExchange,
                                             .period = tallyhawk::ParseContestPeriod(text.substr(0, 40))};
    (void)tallyhawk::CheckContacts(log, rules);
    (void)tallyhawk::FormatCabrilloSubmission({.contest = "CQ-WW-CW"}, log.contacts, size % 2 == 0);
    (void)tallyhawk::FormatAdifExport(log.contacts, {.contestId = "CQ-WW-CW", .serialExchange = size % 3 == 0});
    return 0;
}
