// LoggerSession: reloading the contest log, the repair path after editing it by hand.
#include "app/session/logger_session.h"
#include "database/contest_index.h"
#include "log/contest_log_validator.h"
#include "log/edit_transfer_file.h"
#include "log/log_replay.h"

namespace tallyhawk {
namespace {

// The files (not folders) of a folder, listed before any is removed; none when it cannot be read.
std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    std::filesystem::directory_iterator entry(folder, error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::error_code kindError;
        if (entry->is_regular_file(kindError)) files.push_back(entry->path());
    }
    return files;
}

}  // namespace

ReloadResult LoggerSession::ReloadContestLog(const std::function<void(int)>& progress) {
    m_countries.BeginOperation();
    ReloadResult result;
    const auto logPath = m_folder.ContestLogPath(m_settings.station.callsign);
    const bool exists = FileExists(logPath);
    const std::string fileName = logPath.filename().string();
    const LogCheckResult check = ContestLogValidator(logPath);
    if (!check.passed) {
        result.status = exists ? ReloadStatus::InvalidLine : ReloadStatus::NoLogFile;
        result.badLine = check.badLine;
        if (!m_settings.station.callsign.empty() && exists) {
            result.messages.push_back(LogNotValidMessage(fileName));
        }
    } else if (const auto log = ReadFile(logPath)) {
        StartFromNothing();
        RecountLog(*log, progress);
        RefreshLogView();
        ShowScore();
        RecountRates();
    }
    if (!exists) result.messages.push_back(LogNotCreatedMessage(fileName));
    m_screen.focus = Field::Call;
    return result;
}

// Everything derived from the log goes: the status line, both counter sets, the recount's buffers,
// the contest index, the edit transfer file and every statistics file.
void LoggerSession::StartFromNothing() {
    m_screen.status.text.clear();
    m_qsoCounters.Clear();
    m_pointCounters.Clear();
    ResetRecount();
    RemoveDerivedFiles();
}

void LoggerSession::RemoveDerivedFiles() const {
    const auto index = ContestIndexFilesFor(m_folder, m_settings.station.callsign);
    RemoveFile(index.calls);
    RemoveFile(index.records);
    RemoveFile(EditTransferPath(m_folder));
    for (const auto& path : FilesIn(m_folder.Path("statistics"))) RemoveFile(path);
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
