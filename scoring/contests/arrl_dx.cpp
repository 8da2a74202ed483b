// ARRL DX: W and VE stations work the world for countries, the world works W and VE for states.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"

namespace tallyhawk {

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

}  // namespace tallyhawk
