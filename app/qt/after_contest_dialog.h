// CAfterContestDialog: what comes after the contest, from the window (F8): the settings of the log for
// the sponsor, the Cabrillo 3.0 log and the ADIF of the contest, the check before sending, the logbook
// from the ADIF of any logger and the contest log of another program. Each button calls the session;
// the answer is shown in the dialog's text.
#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/qt/logger_dlg.h"
#include "app/session/settings_backend.h"

namespace tallyhawk {

class CAfterContestDialog : public QDialog {
    Q_OBJECT
public:
    CAfterContestDialog(CLoggerDlg& window, SettingsBackend& store, Clock clock);

    // The file dialogs ask for the source; a test names it instead.
    std::function<QString(const QString& filter)> chooseFile;

    QPushButton* Action(const QString& text) const;
    QString Answer() const { return m_answer->toPlainText(); }

private:
    void AddAction(const QString& text, void (CAfterContestDialog::*run)());
    void EditSettings();
    void ExportCabrillo();
    void ExportAdif();
    void Check();
    void ImportAnyAdif();
    void ImportContestLog();
    void Show(const QStringList& lines);

    CLoggerDlg& m_window;
    SettingsBackend& m_store;
    Clock m_clock;
    QPlainTextEdit* m_answer = nullptr;
};

}  // namespace tallyhawk
