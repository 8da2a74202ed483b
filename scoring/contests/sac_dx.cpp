// SAC DX: only contacts between Scandinavian and other stations count; the world collects Scandinavian
// call areas, Scandinavian stations collect countries.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

bool IsScandinavian(std::string_view country) { return InList(ScandinavianList, country); }

// The country with the call area digit; the islands OH0 and OJ0 are areas of their own.
std::string CallArea(const ContactFacts& q) {
    if (q.country == "OH0" || q.country == "OJ0" || q.wpx.empty()) return q.country;
    return q.country + q.wpx.back();
}

int SacDxPoints(const ContactFacts& q, const OwnStation& own) {
    if (!IsScandinavian(own.country) && IsScandinavian(q.country)) {
        if (own.continent == "EU") return 1;
        return q.band == Band::M40 || q.band == Band::M80 ? 3 : 1;
    }
    if (IsScandinavian(own.country) && !IsScandinavian(q.country)) return q.cont == "EU" ? 2 : 3;
    return 0;
}

void SacDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files) {
    if (!IsScandinavian(own.country) && IsScandinavian(q.country)) {
        files.FindOrAppend(BandFile(q, "x"), CountryEntry(CallArea(q)));
    } else if (IsScandinavian(own.country) && !IsScandinavian(q.country)) {
        files.FindOrAppend(BandFile(q, "x"), CountryEntry(q.country));
    }
}

ScoreLayout SacDxLayout(const OwnStation& own) {
    return BandLayout({{IsScandinavian(own.country) ? "DXCC" : "Areas", "x", 6}}, kTenToEighty);
}

// Only Scandinavian stations collect countries; the status does not tell call areas apart.
MultiplierStatus SacDxStatus(const StatusInput& in) {
    if (!IsScandinavian(in.own.country)) return {};
    return BandCountryStatus(in);
}

}  // namespace

extern const Contest kSacDx{
    .code = "SAC",
    .listName = "SAC DX",
    .rules = {.pointBands = kTenToEighty, .points = SacDxPoints, .multipliers = SacDxMultipliers,
              .layout = SacDxLayout, .files = kCountries, .status = SacDxStatus},
    .entry = {.prefill = {PrefillKind::Serial, PrefillKind::Serial, nullptr}},
    .submission = {.editions = {{
                       {.modes = kCwLogs, .cabrilloName = "SAC-CW", .adifContestId = "SAC-CW",
                        .period = FullWeekendPeriod(9, 3, 12, 24)},
                       {.modes = kPhoneLogs, .cabrilloName = "SAC-SSB", .adifContestId = "SAC-SSB",
                        .period = FullWeekendPeriod(10, 2, 12, 24)}
                   }},
                   .exchange = kSerialExchange},
};

}  // namespace tallyhawk
