// CLoggerDlg: the main window. It renders the session's screen and plays the session's effects; every
// rule (what a key saves, what a field accepts, where the focus goes) is a call into LoggerSession.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <optional>

#include "app/qt/button_bar.h"
#include "app/qt/entry_row.h"
#include "app/qt/grid_ctrl.h"
#include "app/qt/known_calls_panel.h"
#include "app/qt/rate_panel.h"
#include "app/qt/rig_poller.h"
#include "app/qt/settings_server.h"
#include "app/qt/skin.h"
#include "app/qt/sound_player.h"
#include "app/qt/tray_icon.h"
#include "app/qt/utc_clock.h"
#include "app/session/logger_session.h"

namespace tallyhawk {

class CLoggerDlg : public QWidget {
    Q_OBJECT
public:
    CLoggerDlg(LoggerSession& session, Clock clock, QWidget* parent = nullptr);

    // Start-up, before the window shows: the session's start (after the personal dialog when the own
    // call is missing), its warnings, the top-most state, the settings message server, the
    // configuration dialog when the settings ask for it, then the views.
    void Start();

    // Opens one of the dialogs and says whether it ended with OK; `openDialog` is how the front end
    // provides them.
    std::function<bool(Dialog)> openDialog;

    // The parts a test or the dialogs look at.
    LoggerSession& Session() { return m_session; }
    CEntryRow& EntryRow() { return *m_entryRow; }
    CGridCtrl& LogView() { return *m_logView; }
    CGridCtrl& LookupView() { return *m_lookupView; }
    CGridCtrl& ScoreGrid() { return *m_scoreGrid; }
    QLabel& StatusLabel() { return *m_statusLabel; }
    QLabel& ScoreLabel() { return *m_scoreLabel; }
    QLabel& NoteLabel() { return *m_noteLabel; }
    CKnownCallsPanel& KnownCalls() { return *m_knownCalls; }
    CRatePanel& Rates() { return *m_rates; }
    QLabel& CallInfoValue(std::size_t row) { return *m_infoValues.at(row); }
    CButtonBar& Buttons() { return *m_buttons; }
    const QMenu& TrayMenu() const { return m_tray->Menu(); }
    CSoundPlayer& Sounds() { return m_sounds; }
    bool ListensForSettings() const { return m_listening; }
    CRigPoller& RigPoller() { return m_rigPoller; }

    // A settings message, from the server or from a dialog of this program.
    void ApplySettingsMessage(const QString& text);
    // After the colours dialog: the colours again from the store, and the window drawn with them.
    void ReloadColors();
    // A short note under the status label, for what the window cannot do: `text` is translated (in the
    // context "tallyhawk::CLoggerDlg", so mark it with QT_TRANSLATE_NOOP there) with %1 for `argument`.
    void ShowNote(const char* text, const QString& argument = {});
    // A note the session gives (a missing callbook library): its text in the session's language.
    void ShowSessionNote(const Message& note);
    // After the configuration dialog: the Language setting again from the store; the window, its
    // dialogs and the session's messages follow it at once.
    void ReloadLanguage();
    // Draws the session's screen again, after an operation of a dialog changed it.
    void Redraw();

    // Leaves without the question: the desktop session is ending, and every contact is on disk already.
    void ExitWithoutQuestion();
    bool ExitConfirmed() const { return m_exitConfirmed; }
    // The contest banner shown: the contest's name, for tests and screen readers.
    QString BannerName() const;
    // The user manual, docs/manual/index.html of the program folder, in the desktop's browser.
    void OpenManual();

signals:
    // The operator confirmed the exit (Close button or the tray menu's "Exit").
    void exitConfirmed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildLayout();
    void Retranslate();
    void ApplyLanguageSetting();
    void ConnectParts();
    void ApplyColors();
    void ApplyContest();
    void ApplyOnTop();
    void Render();
    void ShowBanner();
    void ShowStatus();
    void FollowFocus();
    void Play(const Effects& effects);
    enum class KeyUse { NotACommand, UsedUp, AlsoProcessed };
    KeyUse FilterKey(int key);
    void ScrollLogView(LogViewKey key);
    // The radio (logger_dlg_rig.cpp): polled while rig control is on, followed by the entry row.
    void ConnectRig();
    void FollowRigSettings();
    void OnRigReading(qint64 hertz, const QString& mode);
    void OnRigNotConnected();

    void OnFieldEdited(Field field, const QString& text, std::size_t caret);
    void OnFieldEntered(Field field);
    void OnFieldLeft(Field field);
    void OnButton(Button button);

    void SaveContact();
    void ReloadContestLog();
    void HideWindow();
    void RestoreWindow();
    void RequestExit();
    void OpenDialog(Dialog dialog);
    void AfterPersonalDialog(bool accepted);
    void EditContact(int row);
    void ShowEditOutcome(const ContactEditResult& result);

    LoggerSession& m_session;
    Clock m_clock;
    CSoundPlayer m_sounds;
    CSettingsServer m_server;
    CBackgroundDrag m_drag;
    CRigPoller m_rigPoller;
    CTrayIcon* m_tray = nullptr;
    QLabel* m_banner = nullptr;
    std::string m_bannerCode;  // the contest whose banner is shown
    CUtcClock* m_utcClock = nullptr;
    QLabel* m_progressLabel = nullptr;
    CGridCtrl* m_logView = nullptr;
    QLabel* m_callLabel = nullptr;
    CGridCtrl* m_lookupView = nullptr;
    CGridCtrl* m_scoreGrid = nullptr;
    QLabel* m_scoreCaption = nullptr;
    QLabel* m_scoreLabel = nullptr;
    QLabel* m_statusLabel = nullptr;
    QLabel* m_noteLabel = nullptr;
    CKnownCallsPanel* m_knownCalls = nullptr;
    CRatePanel* m_rates = nullptr;
    const char* m_note = "";  // the note's text before translation, and its argument
    QString m_noteArgument;
    std::optional<Message> m_sessionNote;  // shown instead of m_note when set
    std::array<QLabel*, 4> m_infoCaptions{};  // the call information panel
    std::array<QLabel*, 4> m_infoValues{};
    CEntryRow* m_entryRow = nullptr;
    CButtonBar* m_buttons = nullptr;
    // A focus move the session made while the time field was left, taken by the field entered next.
    std::optional<Field> m_pendingFocus;
    bool m_listening = false;
    bool m_exitConfirmed = false;
};

}  // namespace tallyhawk
