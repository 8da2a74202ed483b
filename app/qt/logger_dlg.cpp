// CLoggerDlg: the main window's life and its handlers; each handler is one session call, then the
// screen is drawn again and the effects played.
#include "app/qt/logger_dlg.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

#include "app/qt/about_box.h"
#include "app/qt/language.h"
#include "app/qt/qso_edit_dialog.h"
#include "app/qt/qt_conversions.h"
#include "app/qt/small_dialogs.h"
#include "app/qt/wait_cursor.h"

namespace tallyhawk {

CLoggerDlg::CLoggerDlg(LoggerSession& session, Clock clock, QWidget* parent)
    : QWidget(parent), m_session(session), m_clock(std::move(clock)) {
    BuildLayout();
    ConnectParts();
}

void CLoggerDlg::ConnectParts() {
    for (const Field field : kEntryFields) m_entryRow->Edit(field)->installEventFilter(this);
    connect(m_entryRow, &CEntryRow::fieldEdited, this, &CLoggerDlg::OnFieldEdited);
    connect(m_entryRow, &CEntryRow::fieldEntered, this, &CLoggerDlg::OnFieldEntered);
    connect(m_entryRow, &CEntryRow::fieldLeft, this, &CLoggerDlg::OnFieldLeft);
    connect(m_buttons, &CButtonBar::pressed, this, &CLoggerDlg::OnButton);
    connect(m_logView, &CGridCtrl::rowDoubleClicked, this, &CLoggerDlg::EditContact);
    connect(&m_server, &CSettingsServer::messageReceived, this, &CLoggerDlg::ApplySettingsMessage);
    connect(m_tray, &CTrayIcon::restoreRequested, this, &CLoggerDlg::RestoreWindow);
    connect(m_tray, &CTrayIcon::showRequested, this, &CLoggerDlg::RestoreWindow);
    connect(m_tray, &CTrayIcon::aboutRequested, this, [this] { CAboutBox(this).exec(); });
    connect(m_tray, &CTrayIcon::settingsRequested, this, [this] { OpenDialog(Dialog::Configuration); });
    connect(m_tray, &CTrayIcon::exitRequested, this, &CLoggerDlg::RequestExit);
    ConnectRig();
}

void CLoggerDlg::Start() {
    Effects effects = m_session.Start();
    if (m_session.StationCallMissing() && openDialog) {
        (void)openDialog(Dialog::Personal);
        effects = m_session.PersonalDialogClosed().value_or(effects);
    }
    ApplyColors();
    ApplyContest();
    ApplyLanguageSetting();
    Play(effects);  // the missing data folder
    ApplyOnTop();
    m_listening = m_server.Listen();
    if (!m_listening) ShowNote(QT_TR_NOOP("Settings messages are not received: %1"), m_server.ErrorText());
    if (m_session.Options().checkConfigOnStart) OpenDialog(Dialog::Configuration);
    m_utcClock->Tick();  // with the time shift just loaded
    FollowRigSettings();
    Render();
    FollowFocus();
    // MASTER.SCP is read once the window is up, so the first typed call does not wait for it.
    QTimer::singleShot(0, this, [this] { m_session.KnownCalls(); });
}

void CLoggerDlg::ShowNote(const char* text, const QString& argument) {
    m_note = text;
    m_noteArgument = argument;
    m_sessionNote.reset();
    Retranslate();
}

void CLoggerDlg::ShowSessionNote(const Message& note) {
    m_sessionNote = note;
    Retranslate();
}

void CLoggerDlg::ReloadLanguage() {
    m_session.ReloadLanguage();
    ApplyLanguageSetting();
}

// Every widget sets its own texts again when the translators change (changeEvent).
void CLoggerDlg::ApplyLanguageSetting() {
    if (!ApplyLanguage(m_session.Russian()))
        ShowNote(QT_TR_NOOP("Russian texts are missing in %1."), TranslationsFolder());
}

void CLoggerDlg::Retranslate() {
    m_scoreCaption->setText(tr("Claimed score"));
    if (m_sessionNote) {
        m_noteLabel->setText(ToQString(MessageText(*m_sessionNote, m_session.Russian())));
    } else {
        const QString note = *m_note ? tr(m_note) : QString();
        m_noteLabel->setText(note.contains(QStringLiteral("%1")) ? note.arg(m_noteArgument) : note);
    }
    m_tray->Retranslate();
}

void CLoggerDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

void CLoggerDlg::ReloadColors() {
    m_session.ReloadColors();
    ApplyColors();
    Render();
}

// The entry row's length limits follow the contest (and the operator's country) the session holds.
void CLoggerDlg::ApplyContest() { m_entryRow->SetMaxLengths(m_session.EntryRowRules()); }

void CLoggerDlg::ApplyOnTop() {
    const bool onTop = m_session.Options().onTop;
    if (onTop == windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return;
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window flag hides the window; it keeps its place and size.
    if (visible) show();
}

void CLoggerDlg::FollowFocus() { m_entryRow->FocusField(m_session.CurrentScreen().focus); }

// An incomplete row with date, band or mode missing opens the configuration dialog, and its warning
// sounds once the dialog has closed.
void CLoggerDlg::Play(const Effects& effects) {
    for (const Message& message : effects.messages) ShowMessage(this, message, m_session.Russian());
    for (const Message& note : effects.notes) ShowSessionNote(note);
    if (effects.dialog) OpenDialog(*effects.dialog);
    for (const Sound sound : effects.sounds) m_sounds.Play(sound);
}

void CLoggerDlg::ApplySettingsMessage(const QString& text) {
    m_session.ApplySettingsMessage(ToStdString(text));
    FollowRigSettings();  // the configuration dialog may have switched the radio on or off
    ApplyOnTop();
    ApplyContest();
    Render();
}

// Typing: the call runs the worked-before check on every change; every other field takes what the
// session's rules make of the text, with the caret where they put it.
void CLoggerDlg::OnFieldEdited(Field field, const QString& text, std::size_t caret) {
    if (field == Field::Call) {
        const Effects effects = m_session.CallChanged(ToStdString(text));
        Render();
        Play(effects);
        return;
    }
    const FieldEdit edit = m_session.SetFieldText(field, ToStdString(text), caret);
    Render();
    m_entryRow->PlaceCaret(field, edit.caret);
}

void CLoggerDlg::OnFieldEntered(Field field) {
    // Leaving the time field may have sent the focus on (past a pre-filled exchange); going forward
    // takes that move, going back to the call field does not.
    const bool forward = field == Field::ExchangeSent || field == Field::ExchangeReceived;
    const Field wanted = forward && m_pendingFocus ? *m_pendingFocus : field;
    m_pendingFocus.reset();
    if (wanted == Field::Time) {
        m_session.EnterTimeField();
    } else {
        m_session.SetFocus(wanted);
    }
    Render();
    FollowFocus();
    if (m_session.CurrentScreen().focus != Field::Time) return;
    // A time typed by hand goes on from its end: Tab selects nothing here.
    QLineEdit* time = m_entryRow->Edit(Field::Time);
    time->deselect();
    time->end(false);
}

void CLoggerDlg::OnFieldLeft(Field field) {
    m_pendingFocus.reset();
    if (field == Field::Call) {
        const Effects effects = m_session.LeaveCallField();
        Render();
        Play(effects);
    } else if (field == Field::Time) {
        const Field before = m_session.CurrentScreen().focus;
        m_session.LeaveTimeField();
        if (m_session.CurrentScreen().focus != before) m_pendingFocus = m_session.CurrentScreen().focus;
        Render();
    }
}

void CLoggerDlg::OnButton(Button button) {
    switch (button) {
        case Button::Save:
            return SaveContact();
        case Button::Reload:
            return ReloadContestLog();
        case Button::Files:
            return OpenDialog(Dialog::Files);
        case Button::Contest:
            return OpenDialog(Dialog::ContestSetup);
        case Button::Personal:
            return OpenDialog(Dialog::Personal);
        case Button::Colors:
            return OpenDialog(Dialog::Colors);
        case Button::Config:
            return OpenDialog(Dialog::Configuration);
        case Button::About:
            CAboutBox(this).exec();
            return;
        case Button::Hide:
            return HideWindow();
        case Button::Close:
            return RequestExit();
    }
}

void CLoggerDlg::SaveContact() {
    const Effects effects = m_session.SaveContact();
    Render();
    FollowFocus();
    Play(effects);
}

void CLoggerDlg::ReloadContestLog() {
    // The percentage is drawn at once: the reload runs on this thread and the window does not repaint
    // on its own meanwhile.
    const Effects effects = UnderWaitCursor([this] {
        return m_session.ReloadContestLog([this](int percent) {
            m_progressLabel->setText(QString::number(percent) + QStringLiteral(" %"));
            m_progressLabel->repaint();
        });
    });
    m_progressLabel->clear();
    Render();
    FollowFocus();
    Play(effects);
}

void CLoggerDlg::ScrollLogView(LogViewKey key) {
    m_session.ScrollLogView(key);
    Render();
}

void CLoggerDlg::OpenDialog(Dialog dialog) {
    if (!openDialog)
        return ShowNote(
            QT_TR_NOOP("This dialog is not available here: set the values with tallyhawk-cli set."));
    const bool accepted = openDialog(dialog);
    if (dialog == Dialog::Personal) AfterPersonalDialog(accepted);
    FollowFocus();  // the keyboard goes back to the entry row
}

// A station that had no call takes the new one at once; any other change waits for the next start.
void CLoggerDlg::AfterPersonalDialog(bool accepted) {
    if (const auto restarted = m_session.PersonalDialogClosed()) {
        ApplyColors();
        ApplyContest();
        Render();
        FollowFocus();
        Play(*restarted);
    } else if (accepted) {
        ShowNote(QT_TR_NOOP("The station data take effect at the next start."));
    }
}

// A double click on a log-view row: the row is selected while its contact is edited, and the view
// shows the last contacts again afterwards, whatever the editor did.
void CLoggerDlg::EditContact(int row) {
    m_logView->SelectRow(row);
    if (const auto opened = m_session.OpenContactEditorAtRow(static_cast<std::size_t>(row - 1))) {
        CQsoEditDialog editor(m_session, *opened, this);
        if (editor.exec() == QDialog::Accepted && editor.Result()) ShowEditOutcome(*editor.Result());
    }
    m_session.ContactEditorClosed();
    Render();
    FollowFocus();
}

void CLoggerDlg::ShowEditOutcome(const ContactEditResult& result) {
    for (const auto& path : result.notWritten) {
        ShowMessage(this, FileNotWrittenMessage(path.string()), m_session.Russian());
    }
    if (result.advice) ShowMessage(this, *result.advice, m_session.Russian());
}

void CLoggerDlg::HideWindow() {
    if (m_session.Options().hideToTray && CTrayIcon::Available()) {
        m_tray->Show();
        hide();
    } else {
        showMinimized();
    }
}

void CLoggerDlg::RestoreWindow() {
    showNormal();
    raise();
    activateWindow();
}

void CLoggerDlg::RequestExit() {
    if (ConfirmExit(this)) ExitWithoutQuestion();
}

void CLoggerDlg::ExitWithoutQuestion() {
    if (m_exitConfirmed) return;
    m_exitConfirmed = true;
    m_tray->Remove();
    close();
    emit exitConfirmed();
}

// The platform's own close command (the title bar, Alt+F4) is ignored: Close and the tray's "Exit" are
// the ways out, both through the exit confirmation.
void CLoggerDlg::closeEvent(QCloseEvent* event) {
    if (m_exitConfirmed) {
        event->accept();
    } else {
        event->ignore();
    }
}

void CLoggerDlg::paintEvent(QPaintEvent*) { PaintSkin(*this); }
void CLoggerDlg::mousePressEvent(QMouseEvent* event) { m_drag.Press(*this, *event); }
void CLoggerDlg::mouseMoveEvent(QMouseEvent* event) { m_drag.Move(*this, *event); }
void CLoggerDlg::mouseReleaseEvent(QMouseEvent*) { m_drag.Release(*this); }

}  // namespace tallyhawk
