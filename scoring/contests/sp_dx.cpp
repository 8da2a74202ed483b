// SP DX: the world works Poland for its provinces (one letter each); Polish stations collect countries.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

constexpr std::string_view kPolishProvinceLetters = "BCDFGRJKLMOPSUWZ";

bool IsPolish(std::string_view country) { return country == "SP"; }

int SpDxPoints(const ContactFacts& q, const OwnStation& own) {
    if (!IsPolish(own.country)) return IsPolish(q.country) ? 3 : 0;
    if (q.cont != "EU" || IsPolish(q.country)) return 3;
    return 1;
}

// The band file is opened before the rule knows whether the contact counts, so it exists afterwards.
void SpDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files) {
    const std::string file = BandFile(q, "x");
    files.Open(file);
    if (IsPolish(own.country)) {
        files.FindOrAppend(file, CountryEntry(q.country));
    } else if (IsPolish(q.country) && !q.exch.empty()) {
        const char province = q.exch.back();
        files.FindOrAppendIf(file, LetterEntry(province), InListBare(kPolishProvinceLetters, {&province, 1}));
    }
}

// Provinces are one-byte entries, so the column shows the file's size.
ScoreLayout SpDxLayout(const OwnStation& own) {
    ScoreLayout layout =
        BandLayout({IsPolish(own.country) ? MultiplierColumn{"DXCC", "x", 6} : MultiplierColumn{"Wojewod", "x", 1}});
    layout.highlight = HighlightKey::CountryButSp;
    return layout;
}

// Only Polish stations collect countries; provinces come with the exchange.
MultiplierStatus SpDxStatus(const StatusInput& in) {
    if (!IsPolish(in.own.country)) return {};
    return BandCountryStatus(in);
}

// A station outside Poland receives a province of one letter.
ExchangeLimits SpDxLimits(std::string_view ownPrefix) {
    return {kExchangeFieldLimit, IsPolish(ownPrefix) ? kExchangeFieldLimit : 1};
}

}  // namespace

extern const Contest kSpDx{
    .code = "SP",
    .listName = "SP DX",
    .rules = {.pointBands = kAllBands, .points = SpDxPoints, .multipliers = SpDxMultipliers, .layout = SpDxLayout,
              .files = kCountries, .status = SpDxStatus},
    .entry = {.exchangeTakesLetters = true,
              .exchangeLimits = SpDxLimits,
              .prefill = {PrefillKind::Serial, PrefillKind::None, IsPolish}},
    .submission = {.editions = {{
                       {.modes = kCwAndPhoneLogs, .cabrilloName = "SPDX", .adifContestId = "SPDXContest",
                        .period = FullWeekendPeriod(4, 1, 15, 24)}
                   }},
                   .exchange = kSerialOrLettersExchange},
};

}  // namespace tallyhawk
