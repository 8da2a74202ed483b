// The contest table.
#include "scoring/contest_table.h"

#include <array>

#include "core/text.h"

namespace tallyhawk {

// Each contest's record, defined in its file in scoring/contests/.
extern const Contest kAadx, kArrl10m, kArrlDx, kCqWwDx, kCqm, kIaruHf, kJapanDx, kLzDx, kOceaniaDx, kOkOmDx,
    kPaccDx, kRefDx, kRsgb21And28, kRsgb7Mhz, kRussianDx, kSacDx, kSpDx, kUbaDx, kUkrDx, kWpxDx;

namespace {

// The contest list, sorted by list name.
constexpr std::array kContests = {
    &kAadx,  &kArrl10m,     &kArrlDx,   &kCqWwDx,    &kCqm,   &kIaruHf, &kJapanDx, &kLzDx,  &kOceaniaDx, &kOkOmDx,
    &kPaccDx, &kRefDx, &kRsgb21And28, &kRsgb7Mhz, &kRussianDx, &kSacDx, &kSpDx, &kUbaDx, &kUkrDx, &kWpxDx,
};

}  // namespace

std::span<const Contest* const> AllContests() { return kContests; }

const Contest* FindContest(std::string_view code) {
    for (const Contest* contest : kContests) {
        if (contest->code == code) return contest;
    }
    return nullptr;
}

const ContestRules* RulesFor(std::string_view code) {
    const Contest* contest = FindContest(code);
    return contest ? &contest->rules : nullptr;
}

std::string ContestCodeFromListName(std::string_view listName) {
    for (const Contest* contest : kContests) {
        if (contest->listName == listName) return std::string(contest->code);
    }
    return std::string(TrimTrailingBlanks(listName.substr(0, 3)));
}

std::string_view ContestListNameForCode(std::string_view code) {
    const Contest* contest = FindContest(code);
    return contest ? contest->listName : std::string_view();
}

// A code the table does not know still takes letters when it starts like the RSGB codes.
bool ExchangeTakesLetters(std::string_view code) {
    if (const Contest* contest = FindContest(code)) return contest->entry.exchangeTakesLetters;
    return code.starts_with("RS");
}

ExchangeLimits ExchangeLimitsFor(std::string_view code, std::string_view ownCountryPrefix) {
    const Contest* contest = FindContest(code);
    if (!contest || !contest->entry.exchangeLimits) return {};
    return contest->entry.exchangeLimits(ownCountryPrefix);
}

SentExchangePrefill SentExchangePrefillFor(std::string_view code) {
    const Contest* contest = FindContest(code);
    return contest ? contest->entry.prefill : SentExchangePrefill{};
}

OwnCountryKey OwnCountryKeyFor(std::string_view code) {
    const ContestRules* rules = RulesFor(code);
    return rules && rules->usesCqmKey ? OwnCountryKey::CqmKey : OwnCountryKey::Prefix;
}

void ScoreContact(const ContestRules& rules, const ContactFacts& q, const OwnStation& own,
                  BandPointCounters& points, MultiplierFiles& files, ScoringPass pass) {
    if (pass == ScoringPass::Recount && rules.countsInRecount && !rules.countsInRecount(q)) return;
    const int earned = rules.pointBands.Contains(q.band) ? rules.points(q, own) : 0;
    if (rules.addPoints) {
        rules.addPoints(q, earned, points);
    } else {
        points.Add(q.band, earned);
    }
    rules.multipliers(q, own, files);
}

std::vector<std::string> MultiplierFileNames(const ContestRules& rules, std::string_view ownCall) {
    std::vector<std::string> names;
    if (rules.files.wpxFile) names.push_back(WpxFileName(ownCall));
    for (char kind : rules.files.bandKinds) {
        for (Band band : kBands) names.push_back(BandFileName(band, std::string_view(&kind, 1)));
    }
    if (rules.files.modeFiles) {
        for (std::string_view mode : {"cw.", "ssb."}) {
            for (std::string_view kind : {"cq", "was", "itu"}) names.push_back(std::string(mode) + std::string(kind));
        }
    }
    return names;
}

}  // namespace tallyhawk
