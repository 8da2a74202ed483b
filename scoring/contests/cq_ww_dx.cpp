// CQ WW DX: points by continent; countries and CQ zones per band.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {

// Shared with WPX DX: nothing for the own country, 3 across continents, 2 inside North America, else 1.
int DxContinentPoints(const ContactFacts& q, const OwnStation& own) {
    if (q.country == own.country) return 0;
    if (q.cont != own.continent) return 3;
    if (q.cont == "NA") return 2;
    return 1;
}

namespace {

void CqWwDxMultipliers(const ContactFacts& q, const OwnStation&, MultiplierFiles& files) {
    files.FindOrAppend(BandFile(q, "x"), CountryEntry(q.country));
    files.FindOrAppend(BandFile(q, "z"), CodeEntry(q.exch));  // the received exchange is the CQ zone
}

ScoreLayout CqWwDxLayout(const OwnStation&) { return CountryAndZoneLayout("DXCC", "Zone"); }

// The received exchange is the CQ zone, filled in from the country file (empty for an unknown country)
// whether or not the band has a country file yet.
MultiplierStatus CqWwDxStatus(const StatusInput& in) {
    MultiplierStatus status = BandCountryStatus(in);
    status.exchange = in.typed.zone;
    return status;
}

}  // namespace

extern const Contest kCqWwDx{
    .code = "CQ",
    .listName = "CQ WW DX",
    .rules = {.pointBands = kAllBands, .points = DxContinentPoints, .multipliers = CqWwDxMultipliers,
              .layout = CqWwDxLayout, .files = kCountriesAndZones, .status = CqWwDxStatus},
    .entry = {.prefill = {PrefillKind::Zone, PrefillKind::Zone, nullptr}},
    .submission = {.editions = {{
                       {.modes = kCwLogs, .cabrilloName = "CQ-WW-CW", .adifContestId = "CQ-WW-CW",
                        .period = FullWeekendPeriod(11, 0, 0, 48)},
                       {.modes = kPhoneLogs, .cabrilloName = "CQ-WW-SSB", .adifContestId = "CQ-WW-SSB",
                        .period = FullWeekendPeriod(10, 0, 0, 48)},
                       {.modes = kDigitalLogs, .cabrilloName = "CQ-WW-RTTY", .adifContestId = "CQ-WW-RTTY",
                        .period = FullWeekendPeriod(9, 0, 0, 48)}
                   }},
                   .exchange = kCqZoneExchange,
                   .requiredHeaders = kRequiresEmail},
};

}  // namespace tallyhawk
