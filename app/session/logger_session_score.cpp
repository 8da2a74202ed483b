// LoggerSession: the statistics of each saved contact and the score display.
#include "app/session/logger_session.h"
#include "database/contest_index.h"

namespace tallyhawk {

void LoggerSession::RecordStatistics(const QsoRecord& qso) {
    const auto files = ContestIndexFilesFor(m_folder, m_settings.station.callsign);
    (void)AppendContestIndex(files, ContestIndexEntry(qso.call), ContestIndexRecord(MakeQsoSummary(qso)));
}

void LoggerSession::ShowScore() {}

}  // namespace tallyhawk
