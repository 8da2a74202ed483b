// RSGB 21/28 and RSGB 7 MHZ: only contacts between British and non-British stations count; the world
// collects British districts, British stations collect countries (call areas in the large countries).
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

constexpr std::string_view kRsgbCallAreaCountries = " JA W VE VK ZL ZS ";
constexpr std::string_view kRsgbFarContinents = " NA SA AF AS ";

bool IsBritish(std::string_view country) { return InList(BritishList, country); }

bool CrossesBritain(const ContactFacts& q, const OwnStation& own) {
    return IsBritish(own.country) != IsBritish(q.country);
}

// On 40 m the points follow the continent of the non-British side.
int FortyMetrePoints(std::string_view continent) {
    if (continent == "EU") return 5;
    if (continent == "OC") return 30;
    return InListBare(kRsgbFarContinents, continent) ? 15 : 0;
}

// The last three characters of the district exchange, without a leading digit.
std::string_view DistrictKey(std::string_view exch) {
    std::string_view key = LastChars(exch, 3);
    if (!key.empty() && CharCode(key.front()) < 'A') key.remove_prefix(1);
    return key;
}

int RsgbPoints(const ContactFacts& q, const OwnStation& own) {
    if (!CrossesBritain(q, own)) return 0;
    if (q.band == Band::M10 || q.band == Band::M15) return 3;
    if (q.band != Band::M40) return 0;
    return FortyMetrePoints(IsBritish(own.country) ? std::string_view(q.cont) : std::string_view(own.continent));
}

// The band file is opened before the rule knows whether the contact counts, so it exists afterwards.
void RsgbMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files) {
    const std::string file = BandFile(q, "x");
    files.Open(file);
    if (!CrossesBritain(q, own)) return;
    if (!IsBritish(own.country)) {
        files.FindOrAppend(file, PaddedEntry(DistrictKey(q.exch)));
        return;
    }
    const bool callArea = InList(kRsgbCallAreaCountries, q.country);
    files.FindOrAppend(file, PaddedEntry(callArea ? q.wpx : q.country));
}

ScoreLayout RsgbLayout(const OwnStation& own, BandSet rows) {
    ScoreLayout layout = BandLayout({{IsBritish(own.country) ? "DXCC" : "District", "x", 6}}, rows);
    layout.scoredPointSlots = kRsgbBands;
    return layout;
}

ScoreLayout Rsgb21And28Layout(const OwnStation& own) { return RsgbLayout(own, kRsgbTwentyOneTwentyEight); }

ScoreLayout Rsgb7MhzLayout(const OwnStation& own) { return RsgbLayout(own, kFortyOnly); }

// Only British stations collect countries; districts come with the exchange.
MultiplierStatus RsgbStatus(const StatusInput& in) {
    if (!IsBritish(in.own.country)) return {};
    return BandCountryStatus(in);
}

// Both contests share their rules but the score layout, and their entry row.
constexpr ContestRules RsgbRules(LayoutRule layout) {
    return {.pointBands = kRsgbBands, .points = RsgbPoints, .multipliers = RsgbMultipliers, .layout = layout,
            .files = kCountries, .status = RsgbStatus};
}

constexpr ContestEntry kRsgbEntry{.exchangeTakesLetters = true,
                                  .prefill = {PrefillKind::Serial, PrefillKind::SerialWithDistrict, IsBritish}};

}  // namespace

// RSGB 21/28 is held on 10 and 15 m: a lower band becomes 15 m.
extern const Contest kRsgb21And28{
    .code = "RS2",
    .listName = "RSGB 21/28",
    .rules = RsgbRules(Rsgb21And28Layout),
    .entry = kRsgbEntry,
    .band = {.lowest = Band::M15},
    // Guess: no list names the RSGB 21/28 MHz contests; the names follow their ADIF ids, and the dates
    // (first and third Sunday of October, 0700-1900 UTC) are no longer in the rules we found.
    .submission = {.editions = {{
                       {.modes = kPhoneLogs, .cabrilloName = "RSGB-21/28-SSB", .adifContestId = "RSGB-21/28-SSB",
                        .period = NthSaturdayPeriod(10, 1, 31, 12)},
                       {.modes = kCwLogs, .cabrilloName = "RSGB-21/28-CW", .adifContestId = "RSGB-21/28-CW",
                        .period = NthSaturdayPeriod(10, 3, 31, 12)}
                   }},
                   .exchange = kSerialWithDistrictExchange},
};

extern const Contest kRsgb7Mhz{
    .code = "RS7",
    .listName = "RSGB 7 MHZ",
    .rules = RsgbRules(Rsgb7MhzLayout),
    .entry = kRsgbEntry,
    .band = {.always = Band::M40},
    // Guess: no list names the RSGB 7 MHz contest and ADIF has no id for it; its rules give no date we
    // could find, so "ContestPeriod" must be set for the time check.
    .submission = {.editions = {{
                       {.modes = kCwAndPhoneLogs, .cabrilloName = "RSGB-7MHZ", .adifContestId = "",
                        .period = {}}
                   }},
                   .exchange = kSerialWithDistrictExchange},
};

}  // namespace tallyhawk
