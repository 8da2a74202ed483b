// LoggerSession: the statistics of each saved contact and the score display.
#include "app/session/logger_session.h"
#include "scoring/contest_table.h"
#include "scoring/score_file.h"
#include "scoring/score_highlight.h"
#include "scoring/statistics_update.h"

namespace tallyhawk {
OwnStation LoggerSession::OwnStationNow() const {
    return {m_settings.station.callsign, m_ownCountryPrefix, m_settings.station.continent};
}

// Runs before the log line is written; it also appends the contact to the contest index.
void LoggerSession::RecordStatistics(const QsoRecord& qso) {
    const OwnStation own = OwnStationNow();
    const StatisticsUpdate update{m_folder, m_settings.setup.contest, own, m_countries};
    UpdateStatistics(update, qso.call, MakeQsoSummary(qso), m_pointCounters);
}

// Merges the counters with the score file first: after a restart this restores the contacts and
// points of every band.
void LoggerSession::ShowScore() {
    const StatisticsStore store(m_folder);
    const std::string& ownCall = m_settings.station.callsign;
    MergeScoreFile(store, ownCall, m_qsoCounters, m_pointCounters);
    const ContestRules* rules = RulesFor(m_settings.setup.contest);
    if (!rules) {
        m_screen.scoreGrid = {};
        m_screen.scoreLabel = ScoreLabelText(0);
        return;
    }
    const ScoreLayout layout = rules->layout(OwnStationNow());
    const std::string key = HighlightKeyFor(layout.highlight, m_screen.entry[Field::Call],
                                            m_screen.entry[Field::ExchangeReceived], m_countries);
    ScoreDisplay display = BuildScoreDisplay(layout, {m_qsoCounters, m_pointCounters}, store, ownCall, key);
    ColourLabelCells(display.grid, m_screen.scoreGrid,
                     {ColorValue(color::kGridBackColorWorked), ColorValue(color::kGridBackColorNotWorked)});
    m_screen.scoreGrid = std::move(display.grid);
    m_screen.scoreLabel = ScoreLabelText(display.claimedScore);
}

}  // namespace tallyhawk
