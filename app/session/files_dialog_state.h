// The files window without its widgets: the chosen file, shared by the import and both conversion
// directions; which way Convert runs; the folder its output goes to; and the status line's text.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "app/session/logger_session.h"

namespace tallyhawk {

class FilesDialogState {
public:
    explicit FilesDialogState(const LoggerSession& session);

    // A conversion source: the path is cleared before the file dialog opens, so a cancelled choice
    // (nothing chosen) leaves none. A chosen file sets the direction, shows Convert and clears the
    // status line.
    void ChooseConversionSource(const std::optional<std::filesystem::path>& chosen, LogFormat format);

    // The file to import: a cancelled choice keeps the path there was; the direction and the Convert
    // button stay as they are.
    void ChooseImportFile(const std::optional<std::filesystem::path>& chosen);

    // Convert and Import, each drawing its texts in the status line (and handing them to `status`).
    ConversionResult Convert(const StatusSink& status = {});
    ImportResult Import(const StatusSink& status = {});
    // The chosen file read as the ADIF of any logger into the same logbook, drawing the same status line.
    AnyImportResult ImportAnyAdif(const StatusSink& status = {});

    const std::filesystem::path& Path() const { return m_path; }
    LogFormat Format() const { return m_format; }
    bool ConvertShown() const { return m_format != LogFormat::None; }
    const std::string& StatusText() const { return m_status; }
    // Where Convert writes: the folder of the file chosen last, until a conversion has run; then the
    // program folder.
    const std::filesystem::path& OutputFolder() const { return m_outputFolder; }

private:
    StatusSink Drawing(const StatusSink& status);
    void Chosen(const std::filesystem::path& file);

    const LoggerSession& m_session;
    std::filesystem::path m_path;
    LogFormat m_format = LogFormat::None;
    std::filesystem::path m_outputFolder;
    std::string m_status;
};

}  // namespace tallyhawk
