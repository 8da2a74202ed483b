// UBA DX: Belgian stations collect countries; the others collect Belgian provinces, ON prefixes and
// European countries.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

bool IsBelgian(std::string_view country) { return country == "ON"; }

int UbaDxPoints(const ContactFacts& q, const OwnStation& own) {
    if (!IsBelgian(own.country)) {
        if (IsBelgian(q.country)) return 10;
        return InList(EuCountryList, q.country) ? 3 : 1;
    }
    if (InList(EuCountryList, q.country)) return 2;
    return IsBelgian(q.country) ? 1 : 3;
}

void UbaDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files) {
    if (IsBelgian(own.country)) {
        files.FindOrAppend(BandFile(q, "x"), CountryEntry(q.country));
    } else if (IsBelgian(q.country)) {
        const std::string_view province = LastChars(q.exch, 2);
        files.FindOrAppendIf(BandFile(q, "z"), CodeEntry(province), InList(BelgianProvinceList, province));
        files.FindOrAppend(BandFile(q, "y"), CountryEntry(q.wpx));
    } else if (InList(EuCountryList, q.country)) {
        files.FindOrAppend(BandFile(q, "x"), CountryEntry(q.country));
    }
}

ScoreLayout UbaDxLayout(const OwnStation& own) {
    ScoreLayout layout = IsBelgian(own.country)
                             ? BandLayout({{"DXCC", "x", 6}}, kTenToEighty)
                             : BandLayout({{"Prov", "z", 4}, {"Pfx", "y", 6}, {"Euro", "x", 6}}, kTenToEighty);
    layout.scoredPointSlots = kTenToEighty;
    return layout;
}

// Outside Belgium only European countries are multipliers, searched whole (" DL ") in the band file.
std::string EuroCountryCheck(std::string_view text, const TypedCall& typed) {
    const std::string needle = " " + typed.prefix + " ";
    const bool european = EuCountryList.find(needle) != std::string_view::npos;
    if (typed.prefix.empty()) return std::string(kUnknownCountry);
    if (european) {
        const bool worked = text.find(needle) != std::string_view::npos;
        return typed.name + std::string(worked ? kWorkedEuroCountry : kNewEuroCountry);
    }
    return IsBelgian(typed.prefix) ? std::string() : std::string(kCountryNotForMultiplier);
}

MultiplierStatus UbaDxStatus(const StatusInput& in) {
    if (IsBelgian(in.own.country)) return BandCountryStatus(in);
    const auto text = BandCountryText(in, FileText::Untrimmed);
    if (!text) return {};
    std::string shown = EuroCountryCheck(*text, in.typed);
    if (shown.empty()) return {};  // a Belgian call shows nothing
    return {std::move(shown), std::nullopt};
}

}  // namespace

extern const Contest kUbaDx{
    .code = "UBD",
    .listName = "UBA DX",
    .rules = {.pointBands = kTenToEighty, .points = UbaDxPoints, .multipliers = UbaDxMultipliers,
              .layout = UbaDxLayout, .files = kThreeKinds, .status = UbaDxStatus},
    .entry = {.exchangeTakesLetters = true,
              .prefill = {PrefillKind::Serial, PrefillKind::SerialWithDistrict, IsBelgian}},
    .submission = {.editions = {{
                       {.modes = kPhoneLogs, .cabrilloName = "UBA-DX-SSB", .adifContestId = "UBA-DX-SSB",
                        .period = FullWeekendPeriod(1, 0, 13, 24)},
                       {.modes = kCwLogs, .cabrilloName = "UBA-DX-CW", .adifContestId = "UBA-DX-CW",
                        .period = FullWeekendPeriod(2, 0, 13, 24)}
                   }},
                   .exchange = kSerialWithDistrictExchange},
};

}  // namespace tallyhawk
