// CQ-M: countries of the CQ-M list (Russian call areas and republics counted apart) on every band.
#include "callsign/own_country.h"
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

int CqmPoints(const ContactFacts& q, const OwnStation& own) {
    const bool sameContinent = q.cont == own.continent;
    if (q.cqmKey == own.country && sameContinent) return 1;
    if (q.cqmKey != own.country && sameContinent) return 2;
    return sameContinent ? 0 : 3;
}

void CqmMultipliers(const ContactFacts& q, const OwnStation&, MultiplierFiles& files) {
    files.FindOrAppend(BandFile(q, "x"), CountryEntry(q.cqmKey));
}

ScoreLayout CqmLayout(const OwnStation&) {
    ScoreLayout layout = BandLayout({{"P150C", "x", 6}});
    layout.highlight = HighlightKey::CqmKey;
    return layout;
}

// The country is the CQ-M key, shown in place of the name.
MultiplierStatus CqmStatus(const StatusInput& in) {
    const std::string key = CqmCountryKey(in.typed.call, in.typed.prefix);
    return BandCountryStatus(in, key, key);
}

}  // namespace

extern const Contest kCqm{
    .code = "CQM",
    .listName = "CQ-M",
    .rules = {.pointBands = kAllBands, .points = CqmPoints, .multipliers = CqmMultipliers, .layout = CqmLayout,
              .files = kCountries, .status = CqmStatus, .usesCqmKey = true},
    .entry = {.prefill = {PrefillKind::Serial, PrefillKind::Serial, nullptr}},
    .submission = {.editions = {{
                       {.modes = kCwAndPhoneLogs, .cabrilloName = "CQ-M", .adifContestId = "CQ-M",
                        .period = FullWeekendPeriod(5, 2, 12, 24)}
                   }},
                   .exchange = kSerialExchange},
};

}  // namespace tallyhawk
