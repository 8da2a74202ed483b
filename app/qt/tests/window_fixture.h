// What the window tests share: a temporary program folder with the shipped country files, its settings
// in an INI file, contacts logged before the window opens, the window over a session with a fixed
// clock, and answering the modal dialogs the window opens.
#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/platform/qsettings_backend.h"
#include "app/qt/logger_dlg.h"

// The real logs of other programs sit beside the repository, not in it: a checkout without them skips
// the tests that read them, as the other test executables do.
#define SKIP_WITHOUT_REAL_DATA()                              \
    if (!std::filesystem::is_directory(TALLYHAWK_REALDATA)) { \
        QSKIP("no real files at " TALLYHAWK_REALDATA);        \
    }

namespace tallyhawk::testing {

// 2002-02-16 12:34:56.
ClockReading FixedClock();

std::string ReadText(const std::filesystem::path& path);

// Clicks the button with this text in the next modal dialog or message box once it is up, and hands
// the box's texts (its labels, joined by line ends) to `seen` before.
void AnswerNextBox(const QString& buttonText, std::function<void(const QString&)> seen = {});

// Runs `fill` on the next modal dialog once it is up, then presses its OK button unless `fill` closed it.
void FillNextDialog(std::function<void(QDialog&)> fill);

class WindowFixture {
protected:
    void SetUpFolder();  // from init(): a fresh folder; no settings yet (a first start)
    void TearDownFolder();
    // Settings past the first run: UA1AAA in WPX on 20 m CW, callbook none.
    void WriteSettings(bool realTime);
    void WriteSetting(const char* name, const std::string& value);
    // Contacts saved before the window opens, through a session of their own (a repeated call too).
    void LogContacts(const std::vector<std::string>& calls);
    void OpenWindow();
    QLineEdit* Edit(Field field) { return m_window->EntryRow().Edit(field); }
    // The texts of a log-view column, rows 1 to 7.
    QStringList Column(int column);
    std::filesystem::path Folder() const { return m_dir->path().toStdString(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSettingsBackend> m_settings;
    std::unique_ptr<LoggerSession> m_session;
    std::unique_ptr<CLoggerDlg> m_window;
    CallbookLibraries* m_callbooks = nullptr;  // handed to the session before it starts
};

// The base of the test classes: a fresh folder before each test, with settings as asked.
class WindowTest : public QObject, public WindowFixture {
    Q_OBJECT
public:
    enum class Settings { FirstStart, TypedTime, RealTime };
    explicit WindowTest(Settings settings) : m_settingsBeforeEachTest(settings) {}

private slots:
    void init();
    void cleanup() { TearDownFolder(); }

private:
    Settings m_settingsBeforeEachTest;
};

}  // namespace tallyhawk::testing
