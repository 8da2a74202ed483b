// PACC DX: only contacts between a Dutch and a non-Dutch station count; the world collects Dutch
// provinces, Dutch stations collect countries (call areas in the large countries).
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

constexpr std::string_view kPaccCallAreaCountries = " RA0 CE JA LU PY VE W VK ZS ZL ";

bool IsDutch(std::string_view country) { return country == "PA"; }

bool CrossesNetherlands(const ContactFacts& q, const OwnStation& own) {
    return IsDutch(own.country) != IsDutch(q.country);
}

int PaccDxPoints(const ContactFacts& q, const OwnStation& own) { return CrossesNetherlands(q, own) ? 1 : 0; }

// The band file is opened before the rule knows whether the contact counts, so it exists afterwards.
void PaccDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files) {
    const std::string file = BandFile(q, "x");
    files.Open(file);
    if (!CrossesNetherlands(q, own)) return;
    if (!IsDutch(own.country)) {
        const std::string_view province = LastChars(q.exch, 2);
        files.FindOrAppendIf(file, CodeEntry(province), InListBare(DutchProvinceList, province));
        return;
    }
    const bool callArea = InListBare(kPaccCallAreaCountries, q.country);
    files.FindOrAppend(file, CountryEntry(callArea ? q.wpx : q.country));
}

ScoreLayout PaccDxLayout(const OwnStation& own) {
    return BandLayout({IsDutch(own.country) ? MultiplierColumn{"DXDST", "x", 6} : MultiplierColumn{"Province", "x", 4}});
}

}  // namespace

extern const Contest kPaccDx{
    .code = "PAC",
    .listName = "PACC DX",
    .rules = {.pointBands = kAllBands, .points = PaccDxPoints, .multipliers = PaccDxMultipliers,
              .layout = PaccDxLayout, .files = kCountries},
    .entry = {.exchangeTakesLetters = true, .prefill = {PrefillKind::Serial, PrefillKind::None, IsDutch}},
    .submission = {.editions = {{
                       {.modes = kCwAndPhoneLogs, .cabrilloName = "PACC", .adifContestId = "PACC",
                        .period = FullWeekendPeriod(2, 2, 12, 24)}
                   }},
                   .exchange = kSerialOrLettersExchange},
};

}  // namespace tallyhawk
