// OCEANIA DX: contacts with Oceania (every contact of an Oceanian station) count, with WPX prefixes
// per band.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

bool Counts(const ContactFacts& q, const OwnStation& own) { return own.continent == "OC" || q.cont == "OC"; }

int OceaniaDxPoints(const ContactFacts& q, const OwnStation& own) {
    return Counts(q, own) ? PointsByBand(q.band, {3, 2, 1, 5, 10, 20}) : 0;
}

void OceaniaDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files) {
    if (Counts(q, own)) files.FindOrAppend(BandFile(q, "x"), CountryEntry(q.wpx));
}

ScoreLayout OceaniaDxLayout(const OwnStation&) { return BandLayout({{"Prefix", "x", 6}}); }

// Contacts with Oceania count: a station outside Oceania is told when the call is not Oceanian.
MultiplierStatus OceaniaDxStatus(const StatusInput& in) {
    const auto text = BandCountryText(in, FileText::Untrimmed);
    if (!text) return {};
    std::optional<std::string> shown;
    if (in.own.continent == "OC" || in.typed.continent == "OC") {
        shown = PrefixCheck(*text, in.typed.wpx);
    } else if (!in.typed.continent.empty()) {
        shown = kNotOceanianCountry;
    }
    return UnlessContinentUnknown(std::move(shown), in.typed);
}

}  // namespace

extern const Contest kOceaniaDx{
    .code = "OCE",
    .listName = "OCEANIA DX",
    .rules = {.pointBands = kAllBands, .points = OceaniaDxPoints, .multipliers = OceaniaDxMultipliers,
              .layout = OceaniaDxLayout, .files = kCountries, .status = OceaniaDxStatus},
    .entry = {.prefill = {PrefillKind::Serial, PrefillKind::Serial, nullptr}},
    .submission = {.editions = {{
                       {.modes = kPhoneLogs, .cabrilloName = "OCEANIA-DX-SSB", .adifContestId = "OCEANIA-DX-SSB",
                        .period = FullWeekendPeriod(10, 1, 8, 24)},
                       {.modes = kCwLogs, .cabrilloName = "OCEANIA-DX-CW", .adifContestId = "OCEANIA-DX-CW",
                        .period = FullWeekendPeriod(10, 2, 8, 24)}
                   }},
                   .exchange = kSerialExchange},
};

}  // namespace tallyhawk
