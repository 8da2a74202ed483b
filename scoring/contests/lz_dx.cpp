// LZ DX: Bulgarian stations score most; the received exchange (the ITU zone) is the multiplier.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

int LzDxPoints(const ContactFacts& q, const OwnStation& own) {
    if (own.country != "LZ" && q.country == "LZ") return 6;
    return q.cont != own.continent ? 3 : 1;
}

void LzDxMultipliers(const ContactFacts& q, const OwnStation&, MultiplierFiles& files) {
    files.FindOrAppend(BandFile(q, "x"), CodeEntry(q.exch));
}

ScoreLayout LzDxLayout(const OwnStation&) { return BandLayout({{"ITU", "x", 4}}); }

}  // namespace

extern const Contest kLzDx{
    .code = "LZ",
    .listName = "LZ DX",
    .rules = {.pointBands = kTenToEighty, .points = LzDxPoints, .multipliers = LzDxMultipliers, .layout = LzDxLayout,
              .files = kCountries},
    .submission = {.editions = {{
                       {.modes = kCwAndPhoneLogs, .cabrilloName = "LZ-DX", .adifContestId = "LZ DX",
                        .period = FullWeekendPeriod(11, 3, 12, 24)}
                   }},
                   .exchange = kItuZoneExchange},
};

}  // namespace tallyhawk
