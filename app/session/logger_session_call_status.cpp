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

// A callbook's answer also names the call it was asked for and may carry the state for the exchange.
Effects LoggerSession::ShowCallInfo() {
    CallInfoAnswer answer = m_callInfoLookup.Look(m_countries, m_settings.options, m_settings.setup.contest,
                                                  m_screen.entry[Field::Call]);
    m_screen.callInfo = std::move(answer.rows);
    if (answer.callLabel) m_screen.callLabel = std::move(*answer.callLabel);
    if (answer.exchange) m_screen.entry[Field::ExchangeReceived] = std::move(*answer.exchange);
    m_callInfoShown = true;
    Effects effects;
    if (answer.note) effects.notes.push_back(std::move(*answer.note));
    return effects;
}

}  // namespace tallyhawk
