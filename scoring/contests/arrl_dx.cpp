// ARRL DX: W and VE stations work the world for countries, the world works W and VE for states.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

int ArrlDxPoints(const ContactFacts& q, const OwnStation& own) {
    return IsUsOrCanada(own.country) != IsUsOrCanada(q.country) ? 3 : 0;
}

void ArrlDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files) {
    if (IsUsOrCanada(own.country) && !IsUsOrCanada(q.country)) {
        files.FindOrAppend(BandFile(q, "x"), CountryEntry(q.country));
    } else if (!IsUsOrCanada(own.country) && IsUsOrCanada(q.country) && InListBare(WasList, q.exch)) {
        files.FindOrAppend(BandFile(q, "x"), StateEntry(q.exch));
    }
}

ScoreLayout ArrlDxLayout(const OwnStation& own) {
    if (IsUsOrCanada(own.country)) return BandLayout({{"DXCC", "x", 6}});
    ScoreLayout layout = BandLayout({{"States", "x", 4}});
    layout.highlight = HighlightKey::ReceivedExchange;
    return layout;
}

// Only W and VE stations collect countries; states are not looked up.
MultiplierStatus ArrlDxStatus(const StatusInput& in) {
    if (!IsUsOrCanada(in.own.country)) return {};
    return BandCountryStatus(in);
}

// A station outside W and VE receives a state or province of two letters.
ExchangeLimits ArrlDxLimits(std::string_view ownPrefix) {
    return {kExchangeFieldLimit, IsUsOrCanada(ownPrefix) ? kExchangeFieldLimit : 2};
}

}  // namespace

extern const Contest kArrlDx{
    .code = "ARR",
    .listName = "ARRL DX",
    .rules = {.pointBands = kAllBands, .points = ArrlDxPoints, .multipliers = ArrlDxMultipliers,
              .layout = ArrlDxLayout, .files = kCountries, .status = ArrlDxStatus},
    .entry = {.exchangeTakesLetters = true,
              .exchangeLimits = ArrlDxLimits,
              .prefill = {PrefillKind::Serial, PrefillKind::None, IsUsOrCanada},
              .receivesState = true},
    .submission = {.editions = {{
                       {.modes = kCwLogs, .cabrilloName = "ARRL-DX-CW", .adifContestId = "ARRL-DX-CW",
                        .period = FullWeekendPeriod(2, 3, 0, 48)},
                       {.modes = kPhoneLogs, .cabrilloName = "ARRL-DX-SSB", .adifContestId = "ARRL-DX-SSB",
                        .period = FullWeekendPeriod(3, 1, 0, 48)}
                   }},
                   .exchange = kSerialOrLettersExchange,
                   .requiredHeaders = kRequiresEmail | kRequiresLocation},
};

}  // namespace tallyhawk
