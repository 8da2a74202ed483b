// RUSSIAN DX: Russian stations score most for the rest of the world; oblasts of Russian stations and
// countries per band.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

// European and Asiatic Russia and Kaliningrad all have principal prefixes starting with R.
bool IsRussian(std::string_view country) { return country.starts_with("R"); }

int RussianDxPoints(const ContactFacts& q, const OwnStation& own) {
    const bool sameContinent = q.cont == own.continent;
    if (!IsRussian(own.country) && IsRussian(q.country)) return 10;
    if (q.country == own.country && sameContinent) return 2;
    if (q.country != own.country && sameContinent) return 3;
    return sameContinent ? 0 : 5;
}

void RussianDxMultipliers(const ContactFacts& q, const OwnStation&, MultiplierFiles& files) {
    if (IsRussian(q.country)) files.FindOrAppend(BandFile(q, "z"), CodeEntry(q.exch));  // the oblast
    files.FindOrAppend(BandFile(q, "x"), CountryEntry(q.country));
}

ScoreLayout RussianDxLayout(const OwnStation&) { return CountryAndZoneLayout("DXCC", "OBL"); }

MultiplierStatus OblastStatus(const StatusInput& in) {
    const auto text = StatisticsText(in, std::string(in.band) + "m.z", FileText::Trimmed);
    if (!text) return {};
    const std::string key = OblastKey(in.typed.call, in.typed.wpx);
    if (key.empty() || !in.oblasts.Contains(key)) return {std::string(kUnknownOblast), std::nullopt};
    const bool worked = text->find(key) != std::string::npos;
    return {in.oblasts.OblastName(key) + std::string(worked ? kWorkedOblast : kNewOblast), std::nullopt};
}

// Russian calls are told their oblast, the others their country.
MultiplierStatus RussianDxStatus(const StatusInput& in) {
    if (in.typed.prefix.starts_with("RA")) return OblastStatus(in);
    return BandCountryStatus(in);
}

}  // namespace

extern const Contest kRussianDx{
    .code = "RUS",
    .listName = "RUSSIAN DX",
    .rules = {.pointBands = kAllBands, .points = RussianDxPoints, .multipliers = RussianDxMultipliers,
              .layout = RussianDxLayout, .files = kCountriesAndZones, .status = RussianDxStatus},
    .entry = {.exchangeTakesLetters = true,
              .prefill = {PrefillKind::Serial, PrefillKind::None, IsRussian}},
    .loadsOblasts = true,
    .submission = {.editions = {{
                       {.modes = kCwAndPhoneLogs, .cabrilloName = "RDXC", .adifContestId = "RDXC",
                        .period = FullWeekendPeriod(3, 3, 12, 24)}
                   }},
                   .exchange = kSerialOrLettersExchange},
};

}  // namespace tallyhawk
