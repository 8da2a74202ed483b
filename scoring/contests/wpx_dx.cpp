// WPX DX: points as CQ WW DX; WPX prefixes once per contest, and per band the prefixes first worked there.
#include "scoring/contests/contest_rule_units.h"
#include "scoring/contests/rule_helpers.h"
#include "scoring/exchange_check.h"

namespace tallyhawk {
namespace {

// The contest file is searched bare: once AK1 is stored, K1 counts as worked. A prefix new to the contest
// is also written to its band's file, which therefore counts the new prefixes first worked on that band.
void WpxDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files) {
    const MultiplierEntry prefix = BarePrefixEntry(q.wpx);
    if (files.FindOrAppend(WpxFileName(own.call), prefix)) files.Append(BandFile(q, "x"), prefix);
}

ScoreLayout WpxDxLayout(const OwnStation&) {
    ScoreLayout layout = BandLayout({{"New Prefix", "x", 6}});
    layout.pointsHeader = "QSO Points";
    layout.columnWidths = {61, 55, 60, 65};
    layout.highlight = HighlightKey::None;
    layout.multipliersFromWpxFile = true;
    return layout;
}

// The contest's prefix file tells whether the typed prefix is new; nothing before the first contact.
MultiplierStatus WpxDxStatus(const StatusInput& in) {
    const auto text = StatisticsText(in, WpxFileName(in.own.call), FileText::Trimmed);
    if (!text) return {};
    return {PrefixCheck(*text, in.typed.wpx), std::nullopt};
}

}  // namespace

// The sent serial number is cleared after a save and written again when the time field is left.
extern const Contest kWpxDx{
    .code = "WPX",
    .listName = "WPX DX",
    .rules = {.pointBands = kAllBands, .points = DxContinentPoints, .multipliers = WpxDxMultipliers,
              .layout = WpxDxLayout, .files = kPrefixes, .status = WpxDxStatus},
    .entry = {.clearsSentAfterSave = true, .prefill = {PrefillKind::Serial, PrefillKind::Serial, nullptr}},
    .submission = {.editions = {{
                       {.modes = kPhoneLogs, .cabrilloName = "CQ-WPX-SSB", .adifContestId = "CQ-WPX-SSB",
                        .period = FullWeekendPeriod(3, 0, 0, 48)},
                       {.modes = kCwLogs, .cabrilloName = "CQ-WPX-CW", .adifContestId = "CQ-WPX-CW",
                        .period = FullWeekendPeriod(5, 0, 0, 48)},
                       {.modes = kDigitalLogs, .cabrilloName = "CQ-WPX-RTTY", .adifContestId = "CQ-WPX-RTTY",
                        .period = FullWeekendPeriod(2, 2, 0, 48)}
                   }},
                   .exchange = kSerialExchange,
                   .requiredHeaders = kRequiresEmail},
};

}  // namespace tallyhawk
