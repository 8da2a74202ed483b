// RUSSIAN DX: Russian stations score most for the rest of the world; oblasts of Russian stations and
// countries per band.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"

namespace tallyhawk {
namespace {

// European and Asiatic Russia and Kaliningrad all have principal prefixes starting with R.
bool IsRussian(std::string_view country) { return country.starts_with("R"); }

}  // namespace

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

namespace {

MultiplierStatus OblastStatus(const StatusInput& in) {
    const auto text = StatisticsText(in, std::string(in.band) + "m.z", FileText::Trimmed);
    if (!text) return {};
    const std::string key = OblastKey(in.typed.call, in.typed.wpx);
    if (key.empty() || !in.oblasts.Contains(key)) return {std::string(kUnknownOblast), std::nullopt};
    const bool worked = text->find(key) != std::string::npos;
    return {in.oblasts.OblastName(key) + std::string(worked ? kWorkedOblast : kNewOblast), std::nullopt};
}

}  // namespace

// Russian calls are told their oblast, the others their country.
MultiplierStatus RussianDxStatus(const StatusInput& in) {
    if (in.typed.prefix.starts_with("RA")) return OblastStatus(in);
    return BandCountryStatus(in);
}

}  // namespace tallyhawk
