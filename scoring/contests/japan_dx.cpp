// JAPAN DX: only contacts between Japan and the rest of the world count; the world collects
// prefectures, Japanese stations collect countries and zones.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

bool IsJapanese(std::string_view country) { return country == "JA" || country == "JD1"; }

bool CrossesJapan(const ContactFacts& q, const OwnStation& own) {
    return IsJapanese(own.country) != IsJapanese(q.country);
}

int JapanDxPoints(const ContactFacts& q, const OwnStation& own) {
    return CrossesJapan(q, own) ? PointsByBand(q.band, {2, 1, 1, 1, 2, 4}) : 0;
}

void JapanDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files) {
    if (!CrossesJapan(q, own)) return;
    if (!IsJapanese(own.country)) {
        files.FindOrAppend(BandFile(q, "x"), CodeEntry(q.exch));  // the prefecture
        return;
    }
    files.FindOrAppend(BandFile(q, "x"), CountryEntry(q.country));
    files.FindOrAppend(BandFile(q, "z"), CodeEntry(q.exch));
}

ScoreLayout JapanDxLayout(const OwnStation& own) {
    if (IsJapanese(own.country)) return CountryAndZoneLayout("DXCC", "Zone");
    return BandLayout({{"Prefect", "x", 4}});
}

// Japanese stations are told the country and get the zone filled in, as in CQ WW DX.
MultiplierStatus JapanDxStatus(const StatusInput& in) {
    if (!IsJapanese(in.own.country)) return {};
    MultiplierStatus status = BandCountryStatus(in);
    status.exchange = in.typed.zone;
    return status;
}

}  // namespace

extern const Contest kJapanDx{
    .code = "JA",
    .listName = "JAPAN DX",
    .rules = {.pointBands = kAllBands, .points = JapanDxPoints, .multipliers = JapanDxMultipliers,
              .layout = JapanDxLayout, .files = kCountriesAndZones, .status = JapanDxStatus},
    .entry = {.prefill = {PrefillKind::Zone, PrefillKind::None, IsJapanese}},
    .submission = {.editions = {{
                       {.modes = kCwLogs, .cabrilloName = "JIDX-CW", .adifContestId = "JIDX-CW",
                        .period = FullWeekendPeriod(4, 2, 7, 30)},
                       {.modes = kPhoneLogs, .cabrilloName = "JIDX-SSB", .adifContestId = "JIDX-SSB",
                        .period = FullWeekendPeriod(11, 2, 7, 30)}
                   }},
                   .exchange = kZoneOrPrefectureExchange},
};

}  // namespace tallyhawk
