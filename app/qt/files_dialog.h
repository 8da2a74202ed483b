// CFilesDialog: log conversion between ADIF and Cabrillo, and the ADIF import into the logbook. The
// window holds the buttons and the status line; what each button does is the session's.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <functional>

#include "app/qt/skin.h"
#include "app/session/files_dialog_state.h"

namespace tallyhawk {

class CFilesDialog : public CSkinDialog {
    Q_OBJECT
public:
    // Asks for one file to open, starting in `folder`; an empty text when the operator cancels.
    using FileChooser = std::function<QString(QWidget* parent, const QString& caption, const QString& folder,
                                              const QString& filter)>;

    CFilesDialog(LoggerSession& session, QWidget* parent = nullptr);

    // The system's open-file dialog unless a test puts another chooser here.
    FileChooser chooseFile;

    QPushButton& ButtonFor(const char* name) const { return *findChild<QPushButton*>(name); }
    QString StatusText() const { return m_status->text(); }

private:
    QPushButton* AddButton(const char* name, const QString& text, void (CFilesDialog::*action)());
    std::optional<std::filesystem::path> Choose(const QString& caption, const QString& filter);
    void ChooseAdifSource();
    void ChooseCabrilloSource();
    void ChooseImportFile();
    void Convert();
    void Import();
    void ShowState();
    StatusSink DrawStatus();
    void ShowError(const std::optional<Message>& message);

    LoggerSession& m_session;
    FilesDialogState m_state;
    QLabel* m_path = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_convert = nullptr;
};

}  // namespace tallyhawk
