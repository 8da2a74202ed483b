// LoggerSession: what leaving the call field tells about the typed call: its multiplier status in the
// status line and the call information panel.
#include "app/session/logger_session.h"
#include "scoring/contest_table.h"
#include "scoring/multiplier_status.h"

namespace tallyhawk {

// The status line takes the information colour and font even when no message follows, so an alarm
// still shown from the last keystroke loses its alarm colour.
void LoggerSession::ShowMultiplierStatus() {
    m_screen.status.color = color::kInfoColor;
    m_screen.status.font = StatusFont::Info;
    const TypedCall typed = ReadTypedCall(m_screen.entry[Field::Call], m_countries);
    const OwnStation own = OwnStationNow();
    const StatisticsStore store(m_folder);
    const StatusInput input{typed, own,      m_screen.entry[Field::Band], m_screen.entry[Field::Mode],
                            store, m_oblasts};
    MultiplierStatus status = FindMultiplierStatus(RulesFor(m_settings.setup.contest), input);
    if (status.text) m_screen.status.text = std::move(*status.text);
    if (status.exchange) m_screen.entry[Field::ExchangeReceived] = std::move(*status.exchange);
}

// Without a callbook the panel comes from the country table. A callbook source is asked by the window,
// which has the libraries; the session only clears the panel for its answer.
void LoggerSession::ShowCallInfo() {
    m_screen.callInfo = {};
    if (m_settings.options.callbookType == "none") {
        m_screen.callInfo = CountryTableRows(m_countries, m_screen.entry[Field::Call]);
    }
    m_callInfoShown = true;
}

}  // namespace tallyhawk
