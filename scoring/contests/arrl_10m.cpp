// ARRL 10 M: every contact on 10 m; totals, countries, states and ITU regions kept per mode (CW or phone).
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

bool IsCw(const ContactFacts& q) { return q.mode == "CW"; }

std::string ModeFile(const ContactFacts& q, std::string_view kind) {
    return (IsCw(q) ? "cw." : "ssb.") + std::string(kind);
}

int Arrl10mPoints(const ContactFacts& q, const OwnStation&) {
    if (q.call.ends_with("/T") || q.call.ends_with("/N")) return 8;
    return IsCw(q) ? 4 : 2;
}

// CW points go to the 10 m slot and CW contacts to the 15 m slot; phone (every other mode) points to the
// 160 m slot and phone contacts to the 80 m slot.
void Arrl10mPointSlots(const ContactFacts& q, int points, BandPointCounters& counters) {
    counters.Add(IsCw(q) ? Band::M10 : Band::M160, points);
    counters.Add(IsCw(q) ? Band::M15 : Band::M80, 1);
}

// Reloading a log counts only the two modes its lines can name for this contest.
bool Arrl10mCountsInRecount(const ContactFacts& q) { return q.mode == "CW" || q.mode == "PH"; }

void Arrl10mMultipliers(const ContactFacts& q, const OwnStation&, MultiplierFiles& files) {
    if (q.call.ends_with("/M") || q.call.ends_with("/MM")) files.FindOrAppend(ModeFile(q, "itu"), CodeEntry(q.exch));
    if (IsUsOrCanada(q.country)) {
        const auto position = WasList.find(q.exch);
        if (position != std::string_view::npos && position > 0) files.FindOrAppend(ModeFile(q, "was"), StateEntry(q.exch));
    } else {
        files.FindOrAppend(ModeFile(q, "cq"), CountryEntry(q.country));
    }
}

ScoreLayout Arrl10mLayout(const OwnStation&) {
    ScoreLayout layout;
    layout.firstHeader = "Mode";
    layout.columns = {{"DXCC", "cq", 6}, {"WAS", "was", 4}, {"ITU", "itu", 4}};
    layout.rows = {{"CW", "cw.", Band::M15, true, Band::M10}, {"SSB", "ssb.", Band::M80, true, Band::M160}};
    layout.columnWidths = {40, 40, 40, 35, 35, 51};
    layout.centred = true;
    layout.highlight = HighlightKey::CountryButWAndVe;
    layout.highlightKind = "cq";
    layout.scoredPointSlots = BandSet{0b100001};  // CW and phone points
    return layout;
}

// Countries of the mode in the mode field; W and VE count as states and show nothing.
MultiplierStatus Arrl10mStatus(const StatusInput& in) {
    if (IsUsOrCanada(in.typed.prefix)) return {};
    const auto text = StatisticsText(in, in.mode == "CW" ? "cw.cq" : "ssb.cq", FileText::Trimmed);
    if (!text) return {};
    return {CountryCheck(*text, in.typed.prefix, in.typed.name), std::nullopt};
}

}  // namespace

// The band is forced to 10 m; CW and phone totals are kept in the slots of other bands.
extern const Contest kArrl10m{
    .code = "A10",
    .listName = "ARRL 10 M",
    .rules = {.pointBands = kAllBands, .points = Arrl10mPoints, .multipliers = Arrl10mMultipliers,
              .layout = Arrl10mLayout, .files = kModeFiles, .addPoints = Arrl10mPointSlots, .status = Arrl10mStatus,
              .countsInRecount = Arrl10mCountsInRecount},
    .entry = {.exchangeTakesLetters = true,
              .prefill = {PrefillKind::Serial, PrefillKind::None, IsUsOrCanada},
              .receivesState = true},
    .band = {.always = Band::M10},
    .submission = {.editions = {{
                       {.modes = kCwAndPhoneLogs, .cabrilloName = "ARRL-10", .adifContestId = "ARRL-10",
                        .period = FullWeekendPeriod(12, 2, 0, 48)}
                   }},
                   .exchange = kSerialOrLettersExchange,
                   .requiredHeaders = kRequiresEmail | kRequiresLocation},
};

}  // namespace tallyhawk
