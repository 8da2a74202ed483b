// The contest table.
#include "scoring/contest_table.h"

#include <array>

#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"

namespace tallyhawk {
namespace {

constexpr MultiplierFileSet kCountries{false, "x", false};
constexpr MultiplierFileSet kCountriesAndZones{false, "xz", false};
constexpr MultiplierFileSet kThreeKinds{false, "xyz", false};
constexpr MultiplierFileSet kPrefixes{true, "x", false};
constexpr MultiplierFileSet kModeFiles{false, "", true};

// Code, name, bands that earn points, points, multipliers, score layout, multiplier files, point slots,
// multiplier status of a typed call, CQ-M country key, recount filter.

const std::array<ContestRules, 20> kContestRules = {{
    {"AAD", "AADX", kAllBands, AadxPoints, AadxMultipliers, AadxLayout, kCountries, AddToContactBand,
     AadxStatus},
    {"A10", "ARRL 10 M", kAllBands, Arrl10mPoints, Arrl10mMultipliers, Arrl10mLayout, kModeFiles,
     Arrl10mPointSlots, Arrl10mStatus, false, Arrl10mCountsInRecount},
    {"ARR", "ARRL DX", kAllBands, ArrlDxPoints, ArrlDxMultipliers, ArrlDxLayout, kCountries, AddToContactBand,
     ArrlDxStatus},
    {"CQ", "CQ WW DX", kAllBands, DxContinentPoints, CqWwDxMultipliers, CqWwDxLayout, kCountriesAndZones,
     AddToContactBand, CqWwDxStatus},
    {"CQM", "CQ-M", kAllBands, CqmPoints, CqmMultipliers, CqmLayout, kCountries, AddToContactBand, CqmStatus,
     true},
    {"IAR", "IARU HF", kAllBands, IaruHfPoints, IaruHfMultipliers, IaruHfLayout, kCountriesAndZones,
     AddToContactBand},
    {"JA", "JAPAN DX", kAllBands, JapanDxPoints, JapanDxMultipliers, JapanDxLayout, kCountriesAndZones,
     AddToContactBand, JapanDxStatus},
    {"LZ", "LZ DX", kTenToEighty, LzDxPoints, LzDxMultipliers, LzDxLayout, kCountries, AddToContactBand},
    {"OCE", "OCEANIA DX", kAllBands, OceaniaDxPoints, OceaniaDxMultipliers, OceaniaDxLayout, kCountries,
     AddToContactBand, OceaniaDxStatus},
    {"OKM", "OK-OM DX", kAllBands, OkOmDxPoints, OkOmDxMultipliers, OkOmDxLayout, kCountries,
     AddToContactBand, OkOmDxStatus},
    {"PAC", "PACC DX", kAllBands, PaccDxPoints, PaccDxMultipliers, PaccDxLayout, kCountries, AddToContactBand},
    {"REF", "REF DX", kTenToEighty, RefDxPoints, RefDxMultipliers, RefDxLayout, kThreeKinds, AddToContactBand},
    {"RS2", "RSGB 21/28", kRsgbBands, RsgbPoints, RsgbMultipliers, Rsgb21And28Layout, kCountries,
     AddToContactBand, RsgbStatus},
    {"RS7", "RSGB 7 MHZ", kRsgbBands, RsgbPoints, RsgbMultipliers, Rsgb7MhzLayout, kCountries,
     AddToContactBand, RsgbStatus},
    {"RUS", "RUSSIAN DX", kAllBands, RussianDxPoints, RussianDxMultipliers, RussianDxLayout, kCountriesAndZones,
     AddToContactBand, RussianDxStatus},
    {"SAC", "SAC DX", kTenToEighty, SacDxPoints, SacDxMultipliers, SacDxLayout, kCountries, AddToContactBand,
     SacDxStatus},
    {"SP", "SP DX", kAllBands, SpDxPoints, SpDxMultipliers, SpDxLayout, kCountries, AddToContactBand,
     SpDxStatus},
    {"UBD", "UBA DX", kTenToEighty, UbaDxPoints, UbaDxMultipliers, UbaDxLayout, kThreeKinds, AddToContactBand,
     UbaDxStatus},
    {"UKR", "UKR DX", kAllBands, UkrDxPoints, UkrDxMultipliers, UkrDxLayout, kCountriesAndZones,
     AddToContactBand, UkrDxStatus},
    {"WPX", "WPX DX", kAllBands, DxContinentPoints, WpxDxMultipliers, WpxDxLayout,
     kPrefixes, AddToContactBand, WpxDxStatus},
}};

}  // namespace

std::span<const ContestRules> AllContestRules() { return kContestRules; }

const ContestRules* RulesFor(std::string_view contestId) {
    for (const auto& rules : kContestRules) {
        if (rules.id == contestId) return &rules;
    }
    return nullptr;
}

void ScoreContact(const ContestRules& rules, const ContactFacts& q, const OwnStation& own,
                  BandPointCounters& points, MultiplierFiles& files, ScoringPass pass) {
    if (pass == ScoringPass::Recount && rules.countsInRecount && !rules.countsInRecount(q)) return;
    const int earned = rules.pointBands.Contains(q.band) ? rules.points(q, own) : 0;
    rules.addPoints(q, earned, points);
    rules.multipliers(q, own, files);
}

std::vector<std::string> MultiplierFileNames(const ContestRules& rules, std::string_view ownCall) {
    std::vector<std::string> names;
    if (rules.files.wpxFile) names.push_back(WpxFileName(ownCall));
    for (char kind : rules.files.bandKinds) {
        for (Band band : kBands) names.push_back(BandFileName(band, std::string_view(&kind, 1)));
    }
    if (rules.files.modeFiles) {
        for (std::string_view mode : {"cw.", "ssb."}) {
            for (std::string_view kind : {"cq", "was", "itu"}) names.push_back(std::string(mode) + std::string(kind));
        }
    }
    return names;
}

}  // namespace tallyhawk
