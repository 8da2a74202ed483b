// LoggerSession: the full recount of a reload, batching its writes in memory.
#include "app/session/logger_session.h"
#include "core/text.h"
#include "database/contest_index.h"

namespace tallyhawk {

void LoggerSession::ResetRecount() {
    m_recountIndexCalls.clear();
    m_recountIndexRecords.clear();
}

void LoggerSession::RecountStatistics(std::string_view call, std::string_view summary, bool flush) {
    if (!call.empty() && !summary.empty()) {
        m_recountIndexCalls += ContestIndexEntry(call);
        m_recountIndexRecords += ContestIndexRecord(summary);
    }
    if (flush) {
        (void)AppendContestIndex(ContestIndexFilesFor(m_folder, m_settings.station.callsign), m_recountIndexCalls,
                                 m_recountIndexRecords);
        ResetRecount();
    }
}

}  // namespace tallyhawk
