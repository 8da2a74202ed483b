// Taking over a contest begun in another program.
#include "app/session/contest_log_import.h"

#include "app/session/settings_store.h"
#include "convert/log_conversion.h"
#include "core/file_io.h"

namespace tallyhawk {
namespace {

ContestLogImportResult Refused(Message message) {
    ContestLogImportResult result;
    result.message = std::move(message);
    return result;
}

}  // namespace

ContestLogImportResult ImportContestLog(const ProgramFolder& folder, SettingsBackend& settings,
                                        const std::filesystem::path& file, const ClockReading& now) {
    const auto text = FileExists(file) ? ReadFile(file) : std::nullopt;
    if (!text) return Refused(FileNotReadMessage(file.string()));
    const LoadedSettings loaded = LoadSettings(settings, now);
    auto plan = PlanContestLogImport(*text, file.string(), loaded.station, loaded.setup.transmitterId);
    if (!plan.log) return Refused(std::move(*plan.refusal));
    ContestLogImportResult result;
    result.path = folder.ContestLogPath(plan.log->callsign);
    if (FileExists(result.path)) return Refused(LogExistsMessage(result.path.string()));
    if (!ReplaceFile(result.path, plan.log->logText)) return Refused(FileNotWrittenMessage(result.path.string()));
    (void)WriteSetting(settings, "Callsign", plan.log->callsign);
    (void)WriteSetting(settings, "Contest", plan.log->contest);
    plan.log->logText.clear();
    result.log = std::move(plan.log);
    return result;
}

}  // namespace tallyhawk
