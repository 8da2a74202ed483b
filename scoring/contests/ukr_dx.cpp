// UKR DX: Ukrainian stations score most for the rest of the world, which collects Ukrainian oblasts;
// everybody collects countries other than the own one.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

bool IsUkrainian(std::string_view country) { return country == "UR"; }

int UkrDxPoints(const ContactFacts& q, const OwnStation& own) {
    const bool sameContinent = q.cont == own.continent;
    if (q.country == own.country && sameContinent && !IsUkrainian(own.country)) return 1;
    if (q.country != own.country && sameContinent && !IsUkrainian(q.country)) return 2;
    if (!sameContinent && !IsUkrainian(q.country)) return 3;
    if (!IsUkrainian(own.country) && IsUkrainian(q.country)) return 10;
    return 0;
}

// The oblast is the last two characters of the exchange.
void UkrDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files) {
    const std::string_view oblast = LastChars(q.exch, 2);
    if (!IsUkrainian(own.country) && IsUkrainian(q.country) && InList(UkrainianOblastList, oblast)) {
        files.FindOrAppend(BandFile(q, "z"), CodeEntry(oblast));
    }
    if (!IsUkrainian(own.country) || !IsUkrainian(q.country)) {
        files.FindOrAppend(BandFile(q, "x"), CountryEntry(q.country));
    }
}

ScoreLayout UkrDxLayout(const OwnStation& own) {
    if (IsUkrainian(own.country)) return BandLayout({{"DXCC", "x", 6}});
    return CountryAndZoneLayout("DXCC", "OBL");
}

MultiplierStatus UkrDxStatus(const StatusInput& in) { return BandCountryStatus(in); }

}  // namespace

extern const Contest kUkrDx{
    .code = "UKR",
    .listName = "UKR DX",
    .rules = {.pointBands = kAllBands, .points = UkrDxPoints, .multipliers = UkrDxMultipliers,
              .layout = UkrDxLayout, .files = kCountriesAndZones, .status = UkrDxStatus},
    .entry = {.exchangeTakesLetters = true,
              .prefill = {PrefillKind::Serial, PrefillKind::None, IsUkrainian}},
    .submission = {.editions = {{
                       {.modes = kCwAndPhoneLogs, .cabrilloName = "UKRAINIAN-DX", .adifContestId = "UKRAINIAN DX",
                        .period = FullWeekendPeriod(11, 1, 12, 24)}
                   }},
                   .exchange = kSerialOrLettersExchange},
};

}  // namespace tallyhawk
