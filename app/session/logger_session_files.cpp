// LoggerSession: the files window's log conversion and logbook import.
#include "app/session/logger_session.h"

namespace tallyhawk {

ConversionResult LoggerSession::ConvertLog(const std::filesystem::path& source, LogFormat format,
                                           const std::filesystem::path& outputFolder, const StatusSink& status) const {
    const ConversionRequest request{.source = source, .format = format, .outputFolder = outputFolder,
                                    .callsign = m_settings.station.callsign};
    return tallyhawk::ConvertLog(request, status);
}

ImportResult LoggerSession::ImportAdif(const std::filesystem::path& path, const StatusSink& status) const {
    return tallyhawk::ImportAdif(m_folder, path, status);
}

}  // namespace tallyhawk
