// IARU HF: ITU zones, and the headquarters stations (calls ending in HQ, sending a society name)
// counted by their WPX prefix.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

bool IsHeadquarters(const ContactFacts& q) { return q.call.ends_with("HQ"); }

// The last character of the exchange: a letter names a society, a digit ends a zone.
int LastExchangeCode(const ContactFacts& q) { return q.exch.empty() ? 0 : CharCode(q.exch.back()); }

int IaruHfPoints(const ContactFacts& q, const OwnStation& own) {
    const bool sameContinent = q.cont == own.continent;
    const bool sameZone = q.sent == q.exch;
    if ((IsHeadquarters(q) && LastExchangeCode(q) > '@') || (sameZone && !sameContinent) || q.exch == "AC" ||
        q.exch.starts_with("R")) {
        return 1;
    }
    if (!sameZone) return sameContinent ? 3 : 5;
    return 0;
}

void IaruHfMultipliers(const ContactFacts& q, const OwnStation&, MultiplierFiles& files) {
    if (!IsHeadquarters(q) && LastExchangeCode(q) < ':') {
        files.FindOrAppend(BandFile(q, "z"), CodeEntry(q.exch));
    } else if (IsHeadquarters(q) && LastExchangeCode(q) > '@') {
        files.FindOrAppend(BandFile(q, "x"), CountryEntry(q.wpx));
    }
}

ScoreLayout IaruHfLayout(const OwnStation&) {
    ScoreLayout layout = CountryAndZoneLayout("HQ", "Zone");
    layout.highlight = HighlightKey::None;
    return layout;
}

}  // namespace

extern const Contest kIaruHf{
    .code = "IAR",
    .listName = "IARU HF",
    .rules = {.pointBands = kAllBands, .points = IaruHfPoints, .multipliers = IaruHfMultipliers,
              .layout = IaruHfLayout, .files = kCountriesAndZones},
    .entry = {.exchangeTakesLetters = true},
    .submission = {.editions = {{
                       {.modes = kCwAndPhoneLogs, .cabrilloName = "IARU-HF", .adifContestId = "IARU-HF",
                        .period = FullWeekendPeriod(7, 2, 12, 24)}
                   }},
                   .exchange = kItuZoneOrSocietyExchange,
                   .requiredHeaders = kRequiresEmail},
};

}  // namespace tallyhawk
