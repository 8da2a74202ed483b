// LoggerSession: the full recount of a reload, batching its writes in memory.
#include "app/session/logger_session.h"

namespace tallyhawk {

void LoggerSession::ResetRecount() { m_recount.Reset(); }

void LoggerSession::RecountStatistics(std::string_view call, std::string_view summary, bool flush) {
    const OwnStation own = OwnStationNow();
    const StatisticsUpdate context{m_folder, m_settings.setup.contest, own, m_countries};
    m_recount.Recount(context, call, summary, flush, m_pointCounters);
}

}  // namespace tallyhawk
