// CFilesDialog: log conversion between ADIF and Cabrillo, and the ADIF import into the logbook (of the
// checked kind, or of any logger's ADIF); below them the files after the contest: the Cabrillo 3.0 log
// for the sponsor, the contest's ADIF and the check before sending. The window holds the buttons, the
// status line and the answer of the after-contest steps; what each button does is the session's.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
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
    QCheckBox& AnyAdifChoice() const { return *m_anyAdif; }
    // What the last after-contest step (or any logger's import) did; empty until one ran.
    QString AnswerText() const { return m_answer->toPlainText(); }

private:
    QPushButton* AddButton(const char* name, const QString& text, void (CFilesDialog::*action)());
    void AddConversion(QVBoxLayout& layout);
    void AddLogbook(QVBoxLayout& layout);
    void AddAfterContest(QVBoxLayout& layout);
    std::optional<std::filesystem::path> Choose(const QString& caption, const QString& filter);
    void ChooseAdifSource();
    void ChooseCabrilloSource();
    void ChooseImportFile();
    void Convert();
    void Import();
    void ImportAnyAdif();
    void ExportCabrillo();
    void ExportAdif();
    void Check();
    void ShowAnswer(const QStringList& lines);
    void ShowState();
    StatusSink DrawStatus();
    void ShowError(const std::optional<Message>& message);

    LoggerSession& m_session;
    FilesDialogState m_state;
    QLabel* m_path = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_convert = nullptr;
    QCheckBox* m_anyAdif = nullptr;
    QPlainTextEdit* m_answer = nullptr;
};

}  // namespace tallyhawk
