// CAfterContestDialog: what comes after the contest, from the window.
#include "app/qt/after_contest_dialog.h"

#include <QFileDialog>
#include <QVBoxLayout>

#include "app/qt/after_contest_texts.h"
#include "app/qt/qt_conversions.h"
#include "app/qt/submission_dialog.h"
#include "app/session/contest_log_import.h"
#include "app/session/submission.h"

namespace tallyhawk {

CAfterContestDialog::CAfterContestDialog(CLoggerDlg& window, SettingsBackend& store, Clock clock)
    : QDialog(&window), m_window(window), m_store(store), m_clock(std::move(clock)) {
    setWindowTitle(tr("After the contest"));
    chooseFile = [this](const QString& filter) {
        return QFileDialog::getOpenFileName(this, windowTitle(), QString(), filter);
    };
    auto* layout = new QVBoxLayout(this);
    setLayout(layout);
    AddAction(tr("Log for the sponsor: categories, details..."), &CAfterContestDialog::EditSettings);
    AddAction(tr("Export Cabrillo 3.0 log"), &CAfterContestDialog::ExportCabrillo);
    AddAction(tr("Export ADIF of the contest"), &CAfterContestDialog::ExportAdif);
    AddAction(tr("Check the log"), &CAfterContestDialog::Check);
    AddAction(tr("Import ADIF of any logger into the logbook..."), &CAfterContestDialog::ImportAnyAdif);
    AddAction(tr("Take over a Cabrillo log of another program..."), &CAfterContestDialog::ImportContestLog);
    m_answer = new QPlainTextEdit;
    m_answer->setReadOnly(true);
    m_answer->setMinimumSize(560, 200);
    layout->addWidget(m_answer);
    auto* close = new QPushButton(tr("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close);
}

QPushButton* CAfterContestDialog::Action(const QString& text) const {
    for (auto* button : findChildren<QPushButton*>()) {
        if (button->text() == text) return button;
    }
    return nullptr;
}

void CAfterContestDialog::AddAction(const QString& text, void (CAfterContestDialog::*run)()) {
    auto* button = new QPushButton(text);
    connect(button, &QPushButton::clicked, this, run);
    layout()->addWidget(button);
}

void CAfterContestDialog::EditSettings() {
    const auto period = DefaultContestPeriod(m_window.Session().Setup());
    CSubmissionDialog dialog(m_store, period ? ToQString(FormatContestPeriod(*period)) : QString(), this);
    if (dialog.exec() == QDialog::Accepted) Show({tr("The settings of the log are stored.")});
}

void CAfterContestDialog::ExportCabrillo() {
    Show(AfterContestTexts::OfWrite(m_window.Session().ExportCabrillo(), m_window.Session().Russian()));
}

void CAfterContestDialog::ExportAdif() {
    Show(AfterContestTexts::OfWrite(m_window.Session().ExportAdif(), m_window.Session().Russian()));
}

void CAfterContestDialog::Check() {
    Show(AfterContestTexts::OfCheck(m_window.Session().CheckSubmission(), m_window.Session().Russian()));
}

void CAfterContestDialog::ImportAnyAdif() {
    const QString path = chooseFile(tr("ADIF (*.adi *.adif *.ADI);;All files (*)"));
    if (path.isEmpty()) return;
    const LoggerSession& session = m_window.Session();
    Show(AfterContestTexts::OfAnyImport(session.ImportAnyAdif(path.toStdString()), session.Russian()));
}

// The new log becomes the session's: its settings are read again and the log is reloaded.
void CAfterContestDialog::ImportContestLog() {
    const QString path = chooseFile(tr("Cabrillo (*.log *.cbr *.txt);;All files (*)"));
    if (path.isEmpty()) return;
    LoggerSession& session = m_window.Session();
    const auto result = tallyhawk::ImportContestLog(session.Folder(), m_store, path.toStdString(), m_clock());
    if (!result.log) return Show({AfterContestTexts::OfMessage(*result.message, session.Russian())});
    (void)session.Start();
    const ReloadResult reload = session.ReloadContestLog();
    m_window.Redraw();
    QStringList lines{tr("%1 contacts of contest %2 for %3 written to %4")
                          .arg(result.log->contacts).arg(ToQString(result.log->contest))
                          .arg(ToQString(result.log->callsign)).arg(ToQString(result.path.string()))};
    for (std::size_t line : result.log->skippedLines) lines << tr("line %1: not imported").arg(line);
    for (const auto& message : reload.messages) lines << AfterContestTexts::OfMessage(message, session.Russian());
    lines << tr("Claimed score: ") + ToQString(session.CurrentScreen().scoreLabel);
    Show(lines);
}

void CAfterContestDialog::Show(const QStringList& lines) { m_answer->setPlainText(lines.join(QChar('\n'))); }

}  // namespace tallyhawk
