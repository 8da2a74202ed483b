// The log sent in after the contest, put together from its facts, the settings and the contest log.
#include "app/session/submission.h"

#include <algorithm>
#include <array>

#include "core/mode.h"
#include "core/program_folder.h"
#include "core/program_version.h"
#include "core/text.h"
#include "core/utc_calendar.h"
#include "scoring/contest_table.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

constexpr std::string_view kMultiOperator = "MULTI-OP";

unsigned SetupModeBit(std::string_view registryMode) {
    return LogModeBit(LogModeCode(EntryCodeForModeText(registryMode)));
}

unsigned MostFrequentModeBit(const ContestLogContacts& log, unsigned fallback) {
    std::array<int, 3> counts{};
    for (const auto& contact : log.contacts) {
        const unsigned bit = LogModeBit(contact.mode);
        if (bit) ++counts[bit == kCwLogs ? 0 : bit == kPhoneLogs ? 1 : 2];
    }
    const int most = std::max({counts[0], counts[1], counts[2]});
    if (most == 0) return fallback;
    return most == counts[0] ? kCwLogs : most == counts[1] ? kPhoneLogs : kDigitalLogs;
}

unsigned ModesOfLog(const ContestLogContacts& log) {
    unsigned modes = 0;
    for (const auto& contact : log.contacts) modes |= LogModeBit(contact.mode);
    return modes;
}

std::string_view CategoryModeOf(unsigned modes, bool digitalIsPsk) {
    if (modes == kCwLogs) return "CW";
    if (modes == kPhoneLogs) return "SSB";
    if (modes == kDigitalLogs) return digitalIsPsk ? "DIGI" : "RTTY";
    return modes == 0 ? "" : "MIXED";
}

std::optional<ContestPeriod> PeriodOf(const ContestEdition& edition, const SubmissionSettings& settings,
                                      const ContestSetup& setup, const ContestLogContacts& log) {
    if (!settings.contestPeriod.empty()) return ParseContestPeriod(settings.contestPeriod);
    const auto year = YearOfDate(log.contacts.empty() ? std::string_view(setup.date) : log.contacts.front().date);
    return year ? PeriodInYear(edition.period, *year) : std::nullopt;
}

std::string OrDefault(const std::string& value, std::string_view fallback) {
    return value.empty() ? std::string(fallback) : value;
}

// W/VE stations give their state or section where the sponsor asks for it; everyone else is DX.
std::string LocationOf(const Submission& submission, std::string_view ownCountry) {
    if (!submission.settings.location.empty() || !submission.facts) return submission.settings.location;
    const bool asked = submission.facts->requiredHeaders & kRequiresLocation;
    return asked && ownCountry != "W" && ownCountry != "VE" ? "DX" : "";
}

}  // namespace

std::optional<ContestPeriod> DefaultContestPeriod(const ContestSetup& setup) {
    const Submission submission = MakeSubmission(setup, {}, {});
    return submission.period;
}

Submission MakeSubmission(const ContestSetup& setup, const ContestLogContacts& log, SubmissionSettings settings) {
    Submission submission;
    const Contest* contest = FindContest(setup.contest);
    submission.facts = contest ? &contest->submission : nullptr;
    submission.digitalIsPsk = setup.mode == "PSK";
    if (submission.facts) {
        submission.edition = EditionForMode(*submission.facts, MostFrequentModeBit(log, SetupModeBit(setup.mode)));
    }
    submission.contestName = OrDefault(settings.contestName, submission.edition.cabrilloName);
    submission.period = PeriodOf(submission.edition, settings, setup, log);
    submission.settings = std::move(settings);
    return submission;
}

CabrilloSubmissionHeader MakeSubmissionHeader(const Submission& submission, const SubmissionStation& station,
                                              const ContestLogContacts& log) {
    const SubmissionSettings& settings = submission.settings;
    const unsigned modes = submission.edition.modes & (kCwLogs | kPhoneLogs | kDigitalLogs);
    const bool oneMode = modes == kCwLogs || modes == kPhoneLogs || modes == kDigitalLogs;
    CabrilloSubmissionHeader header;
    header.contest = submission.contestName;
    header.callsign = station.profile.callsign;
    header.location = LocationOf(submission, station.ownCountry);
    header.categoryOperator = OrDefault(settings.categoryOperator, "SINGLE-OP");
    header.categoryAssisted = OrDefault(settings.categoryAssisted, "NON-ASSISTED");
    header.categoryBand = OrDefault(settings.categoryBand, "ALL");
    header.categoryMode = OrDefault(settings.categoryMode,
                                    CategoryModeOf(oneMode ? modes : ModesOfLog(log), submission.digitalIsPsk));
    header.categoryPower = settings.categoryPower;
    header.categoryStation = OrDefault(settings.categoryStation, "FIXED");
    header.categoryTransmitter = OrDefault(settings.categoryTransmitter, "ONE");
    header.claimedScore = std::string(station.claimedScore);
    header.club = station.profile.club;
    header.gridLocator = settings.gridLocator;
    header.name = station.profile.name;
    header.address = station.profile.address;
    header.email = settings.email;
    header.operators = settings.operators;
    header.soapbox = settings.soapbox;
    header.createdBy = std::string(kProgramName) + " " + std::string(ProgramVersion());
    return header;
}

std::vector<RequiredHeaderField> RequiredHeaderFields(const Submission& submission,
                                                      const CabrilloSubmissionHeader& header) {
    std::vector<RequiredHeaderField> fields = {
        {"CONTEST", header.contest, "Contest, or CabrilloContest"},
        {"CALLSIGN", header.callsign, "Callsign"},
        {"CATEGORY-MODE", header.categoryMode, "CategoryMode"},
        {"CATEGORY-POWER", header.categoryPower, "CategoryPower=HIGH, LOW or QRP"},
    };
    const unsigned required = submission.facts ? submission.facts->requiredHeaders : 0;
    if (required & kRequiresEmail) fields.push_back({"EMAIL", header.email, "Email"});
    if (required & kRequiresLocation) fields.push_back({"LOCATION", header.location, "Location"});
    if (header.categoryOperator == kMultiOperator) fields.push_back({"OPERATORS", header.operators, "Operators"});
    return fields;
}

ContactCheckRules ContactRulesOf(const Submission& submission) {
    return ContactCheckRules{.contestName = submission.contestName,
                             .modes = submission.edition.modes,
                             .exchange = submission.facts ? submission.facts->exchange : kSerialOrLettersExchange,
                             .period = submission.period};
}

AdifExportSetup MakeAdifSetup(const Submission& submission, const StationProfile& station,
                              std::string_view createdTimestamp) {
    const std::vector<std::string_view> operators = SplitWords(submission.settings.operators, " ,");
    AdifExportSetup setup;
    setup.createdTimestamp = createdTimestamp;
    setup.contestId = submission.edition.adifContestId;
    setup.stationCallsign = station.callsign;
    // A single-operator log names its operator; the contacts of several operators are not told apart.
    setup.operatorCall = operators.size() == 1 ? std::string(operators.front())
                         : operators.empty()   ? station.callsign
                                               : std::string();
    setup.digitalIsPsk = submission.digitalIsPsk;
    setup.serialExchange = submission.facts && submission.facts->exchange.serialNumbered;
    return setup;
}

std::string SubmissionFileName(std::string_view callsign, std::string_view contestName, std::string_view extension) {
    const std::string name = std::string(callsign) + "-" + std::string(contestName.empty() ? "LOG" : contestName);
    return CallFileStem(name).append(extension);
}

}  // namespace tallyhawk
