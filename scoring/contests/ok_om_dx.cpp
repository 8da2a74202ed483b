// OK-OM DX: only contacts between Czech/Slovak and other stations count; the world collects districts,
// Czech and Slovak stations collect WPX prefixes.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

bool IsCzechOrSlovak(std::string_view country) { return country == "OK" || country == "OM"; }

bool CrossesOkOm(const ContactFacts& q, const OwnStation& own) {
    return IsCzechOrSlovak(own.country) != IsCzechOrSlovak(q.country);
}

int OkOmDxPoints(const ContactFacts& q, const OwnStation& own) {
    if (!CrossesOkOm(q, own)) return 0;
    const std::string_view foreignContinent = IsCzechOrSlovak(own.country) ? q.cont : own.continent;
    return foreignContinent == "EU" ? 1 : 3;
}

// The band file is opened before the rule knows whether the contact counts, so it exists afterwards.
void OkOmDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files) {
    const std::string file = BandFile(q, "x");
    files.Open(file);
    if (!CrossesOkOm(q, own)) return;
    const std::string_view key = IsCzechOrSlovak(own.country) ? std::string_view(q.wpx) : LastChars(q.exch, 3);
    files.FindOrAppend(file, PaddedEntry(key));
}

ScoreLayout OkOmDxLayout(const OwnStation& own) {
    return BandLayout({{IsCzechOrSlovak(own.country) ? "Prefix" : "District", "x", 6}});
}

// Czech and Slovak stations are told WPX prefixes; the others collect districts from the exchange.
MultiplierStatus OkOmDxStatus(const StatusInput& in) {
    if (!IsCzechOrSlovak(in.own.country)) return {};
    const auto text = BandCountryText(in, FileText::Untrimmed);
    if (!text) return {};
    return UnlessContinentUnknown(PrefixCheck(*text, in.typed.wpx), in.typed);
}

}  // namespace

extern const Contest kOkOmDx{
    .code = "OKM",
    .listName = "OK-OM DX",
    .rules = {.pointBands = kAllBands, .points = OkOmDxPoints, .multipliers = OkOmDxMultipliers,
              .layout = OkOmDxLayout, .files = kCountries, .status = OkOmDxStatus},
    .entry = {.exchangeTakesLetters = true,
              .prefill = {PrefillKind::Serial, PrefillKind::None, IsCzechOrSlovak}},
    .submission = {.editions = {{
                       {.modes = kCwLogs, .cabrilloName = "OK-OM-DX", .adifContestId = "OK-OM-DX",
                        .period = FullWeekendPeriod(11, 2, 12, 24)},
                       {.modes = kPhoneLogs, .cabrilloName = "OK-OM-DX", .adifContestId = "OK-OM-DX",
                        .period = FullWeekendPeriod(4, 2, 12, 24)}
                   }},
                   .exchange = kSerialOrLettersExchange},
};

}  // namespace tallyhawk
