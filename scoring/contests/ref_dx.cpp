// REF DX: contacts with France, its overseas countries and DA stations score; the French count
// departments, the others departments, Corsica and DA, and overseas countries.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

// The overseas countries, then mainland France and Corsica; the two texts are joined as they are.
constexpr std::string_view kFrenchCountryList = " FG FH FJ FK FM FO FP FR FS FT FW FY  F TK ";

// DA1 and DA2 stations count as the one prefix DA.
std::string_view RefPrefix(const ContactFacts& q) {
    return q.wpx == "DA1" || q.wpx == "DA2" ? std::string_view("DA") : std::string_view(q.wpx);
}

bool Scores(const ContactFacts& q, const OwnStation& own) {
    return InList(kFrenchCountryList, q.country) || RefPrefix(q) == "DA" || InList(kFrenchCountryList, own.country);
}

int RefDxPoints(const ContactFacts& q, const OwnStation& own) {
    if (!Scores(q, own)) return 0;
    if (InList(FrancophoneList, own.country)) return 5;
    return q.cont != own.continent ? 3 : 1;
}

void RefDxMultipliers(const ContactFacts& q, const OwnStation&, MultiplierFiles& files) {
    if (q.country == "F") {
        files.FindOrAppend(BandFile(q, "x"), CodeEntry(q.exch));  // the department
    } else if (q.country == "TK" || RefPrefix(q) == "DA") {
        files.FindOrAppend(BandFile(q, "y"), CodeEntry(RefPrefix(q) == "DA" ? "DA" : q.exch));
    } else if (InList(kFrenchCountryList, q.country)) {
        files.FindOrAppend(BandFile(q, "z"), CountryEntry(q.country));
    }
}

ScoreLayout RefDxLayout(const OwnStation&) { return BandLayout({{"F", "x", 4}, {"TK", "y", 4}, {"DOM", "z", 6}}); }

// French stations, Corsica included, send their department instead of a serial number.
bool SendsDepartment(std::string_view ownPrefix) { return ownPrefix == "TK" || ownPrefix.starts_with('F'); }

}  // namespace

extern const Contest kRefDx{
    .code = "REF",
    .listName = "REF DX",
    .rules = {.pointBands = kTenToEighty, .points = RefDxPoints, .multipliers = RefDxMultipliers,
              .layout = RefDxLayout, .files = kThreeKinds},
    .entry = {.exchangeTakesLetters = true,
              .prefill = {PrefillKind::Serial, PrefillKind::None, SendsDepartment}},
    .submission = {.editions = {{
                       {.modes = kCwLogs, .cabrilloName = "REF-CW", .adifContestId = "REF-CW",
                        .period = FullWeekendPeriod(1, 0, 6, 36)},
                       {.modes = kPhoneLogs, .cabrilloName = "REF-SSB", .adifContestId = "REF-SSB",
                        .period = FullWeekendPeriod(2, 0, 6, 36)}
                   }},
                   .exchange = kSerialOrLettersExchange},
};

}  // namespace tallyhawk
