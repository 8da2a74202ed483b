// AADX: contacts with Asia count; Asian stations collect countries, the others Asian prefixes.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

bool IsAsian(std::string_view continent) { return continent == "AS"; }

int AadxPoints(const ContactFacts& q, const OwnStation& own) {
    int p = 0;
    if (IsAsian(own.continent) && !IsAsian(q.cont) && q.country != own.country) {
        p = 3;
    } else if (IsAsian(q.cont) && q.country != own.country) {
        p = 1;
    }
    return PointsByBand(q.band, {2 * p, p, p, p, 2 * p, 3 * p});
}

// The band file is opened before the rule knows whether the contact counts, so it exists afterwards.
void AadxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files) {
    const std::string file = BandFile(q, "x");
    files.Open(file);
    if (!IsAsian(own.continent) && IsAsian(q.cont)) {
        files.FindOrAppend(file, CountryEntry(q.wpx));
    } else if (IsAsian(own.continent) && q.country != own.country) {
        files.FindOrAppend(file, CountryEntry(q.country));
    }
}

ScoreLayout AadxLayout(const OwnStation& own) {
    return BandLayout({{IsAsian(own.continent) ? "DXCC" : "Prefix", "x", 6}});
}

// Asian stations are told countries, searched whole; the others Asian prefixes, searched bare.
MultiplierStatus AadxStatus(const StatusInput& in) {
    const auto text = BandCountryText(in, FileText::Untrimmed);
    if (!text) return {};
    if (!IsAsian(in.own.continent)) return {PrefixCheck(*text, in.typed.wpx), std::nullopt};
    const std::string& prefix = in.typed.prefix;
    if (prefix.empty()) return {std::string(kUnknownCountry), std::nullopt};
    const bool worked = text->find(" " + prefix + " ") != std::string::npos;
    return {in.typed.name + std::string(worked ? kWorkedCountry : kNewCountry), std::nullopt};
}

// Both exchange fields take two characters.
ExchangeLimits AadxLimits(std::string_view) { return {2, 2}; }

}  // namespace

extern const Contest kAadx{
    .code = "AAD",
    .listName = "AADX",
    .rules = {.pointBands = kAllBands, .points = AadxPoints, .multipliers = AadxMultipliers, .layout = AadxLayout,
              .files = kCountries, .status = AadxStatus},
    .entry = {.exchangeLimits = AadxLimits},
    .submission = {.editions = {{
                       {.modes = kCwLogs, .cabrilloName = "AADX-CW", .adifContestId = "ALL-ASIAN-DX-CW",
                        .period = NthSaturdayPeriod(6, 3, 0, 48)},
                       {.modes = kPhoneLogs, .cabrilloName = "AADX-SSB", .adifContestId = "ALL-ASIAN-DX-PHONE",
                        .period = NthSaturdayPeriod(9, 1, 0, 48)}
                   }},
                   .exchange = kAgeExchange},
};

}  // namespace tallyhawk
