// LoggerSession: the known calls of MASTER.SCP shown while a call is typed, and the contact rates.
#include "app/session/logger_session.h"
#include "database/contest_index.h"

namespace tallyhawk {

const ScpIndex& LoggerSession::KnownCalls() {
    if (!m_knownCalls) m_knownCalls = LoadScpIndex(m_folder);
    return *m_knownCalls;
}

// Runs with the worked-before check on every change of the call field. The contest index is read only
// when a list has calls to mark.
void LoggerSession::ShowKnownCalls() {
    m_screen.knownCalls = FindKnownCalls(KnownCalls(), m_screen.entry[Field::Call]);
    if (m_screen.knownCalls.Empty()) return;
    const auto files = ContestIndexFilesFor(m_folder, m_settings.station.callsign);
    MarkWorkedCalls(m_screen.knownCalls, ReadFileOrEmpty(files.calls));
}

void LoggerSession::RecountRates() {
    m_rateWindow.Clear();
    const auto files = ContestIndexFilesFor(m_folder, m_settings.station.callsign);
    for (const LoggedTime& contact : ReadLoggedTimes(files)) m_rateWindow.Add(contact.minute);
    m_screen.rates = m_rateWindow.Rates();
}

void LoggerSession::CountRate(const QsoRecord& qso) {
    if (const auto minute = LoggedMinute(qso.date, qso.time)) m_rateWindow.Add(*minute);
    m_screen.rates = m_rateWindow.Rates();
}

std::vector<HourContacts> LoggerSession::ContactsPerHour() const {
    const auto times = ReadLoggedTimes(ContestIndexFilesFor(m_folder, m_settings.station.callsign));
    return tallyhawk::ContactsPerHour(times);
}

}  // namespace tallyhawk
