// The files window without its widgets.
#include "app/session/files_dialog_state.h"

namespace tallyhawk {

FilesDialogState::FilesDialogState(const LoggerSession& session)
    : m_session(session), m_outputFolder(session.Folder().Root()) {}

// A file dialog leaves the current folder in the folder of the file chosen, and the output of the next
// conversion goes there.
void FilesDialogState::Chosen(const std::filesystem::path& file) {
    m_path = file;
    m_outputFolder = file.parent_path();
}

void FilesDialogState::ChooseConversionSource(const std::optional<std::filesystem::path>& chosen,
                                              LogFormat format) {
    m_path.clear();
    if (!chosen) return;
    Chosen(*chosen);
    m_format = format;
    m_status.clear();
}

void FilesDialogState::ChooseImportFile(const std::optional<std::filesystem::path>& chosen) {
    if (chosen) Chosen(*chosen);
}

StatusSink FilesDialogState::Drawing(const StatusSink& status) {
    return [this, status](std::string_view text) {
        m_status = text;
        Show(status, text);
    };
}

ConversionResult FilesDialogState::Convert(const StatusSink& status) {
    const ConversionResult result = m_session.ConvertLog(m_path, m_format, m_outputFolder, Drawing(status));
    // A conversion that got as far as its output ends in the program folder.
    if (result.outcome == ConversionOutcome::Converted || result.outcome == ConversionOutcome::OutputNotWritten)
        m_outputFolder = m_session.Folder().Root();
    return result;
}

ImportResult FilesDialogState::Import(const StatusSink& status) {
    return m_session.ImportAdif(m_path, Drawing(status));
}

AnyImportResult FilesDialogState::ImportAnyAdif(const StatusSink& status) {
    return m_session.ImportAnyAdif(m_path, Drawing(status));
}

}  // namespace tallyhawk
