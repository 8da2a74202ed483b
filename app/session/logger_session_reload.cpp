// LoggerSession: reloading the contest log, the repair path after editing it by hand.
#include "app/session/logger_session.h"
#include "database/contest_index.h"
#include "log/contest_log_validator.h"
#include "log/edit_transfer_file.h"
#include "log/log_replay.h"

namespace tallyhawk {
Effects LoggerSession::ReloadContestLog(const std::function<void(int)>& progress) {
    Effects effects;
    const auto logPath = m_folder.ContestLogPath(m_settings.station.callsign);
    const bool exists = FileExists(logPath);
    const std::string fileName = logPath.filename().string();
    if (!ContestLogValidator(logPath).passed) {
        if (!m_settings.station.callsign.empty() && exists) effects.messages.push_back(LogNotValidMessage(fileName));
    } else if (const auto log = ReadFile(logPath)) {
        m_qsoCounters.Clear();
        m_pointCounters.Clear();
        ResetRecount();
        RemoveDerivedFiles();
        RecountLog(*log, progress);
        RefreshLogView();
        ShowScore();
    }
    if (!exists) effects.messages.push_back(LogNotCreatedMessage(fileName));
    m_screen.focus = Field::Call;
    return effects;
}

void LoggerSession::RemoveDerivedFiles() const {
    const auto index = ContestIndexFilesFor(m_folder, m_settings.station.callsign);
    RemoveFile(index.calls);
    RemoveFile(index.records);
    RemoveFile(EditTransferPath(m_folder));
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path("statistics"), error)) {
        std::error_code kindError;
        if (entry.is_regular_file(kindError)) RemoveFile(entry.path());
    }
}

void LoggerSession::RecountLog(std::string_view log, const std::function<void(int)>& progress) {
    ReplayContestLog(
        log,
        [this](const LoggedContact& contact, bool flush) {
            m_qsoCounters.Increment(contact.band);
            RecountStatistics(contact.call, contact.summary, flush);
        },
        progress);
}

}  // namespace tallyhawk
