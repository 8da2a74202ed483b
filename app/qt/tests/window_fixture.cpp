// What the window tests share.
#include "app/qt/tests/window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "app/qt/dialog_launcher.h"

namespace tallyhawk::testing {

ClockReading FixedClock() {
    return ClockReading{.year = 2002, .month = 2, .day = 16, .hour = 12, .minute = 34, .second = 56};
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void AnswerNextBox(const QString& buttonText, std::function<void(const QString&)> seen) {
    QTimer::singleShot(10, [buttonText, seen] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return AnswerNextBox(buttonText, seen);
        QStringList texts;
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) texts << label->text();
        }
        if (seen) seen(texts.join('\n'));
        for (QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
            if (button->text().remove('&') == buttonText) return button->click();
        }
    });
}

void FillNextDialog(std::function<void(QDialog&)> fill) {
    QTimer::singleShot(10, [fill] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return FillNextDialog(fill);
        fill(*dialog);
        if (!dialog->isVisible()) return;
        if (auto* buttons = dialog->findChild<QDialogButtonBox*>())
            buttons->button(QDialogButtonBox::Ok)->click();
    });
}

void WindowFixture::SetUpFolder() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    for (const char* folder : {"dxcc", "database", "statistics"})
        std::filesystem::create_directory(Folder() / folder);
    for (const auto& file :
         std::filesystem::directory_iterator(std::filesystem::path(TALLYHAWK_SHIPPED_DATA) / "dxcc")) {
        std::filesystem::copy_file(file.path(), Folder() / "dxcc" / file.path().filename());
    }
    m_settings = std::make_unique<QSettingsBackend>((Folder() / "tallyhawk.ini").string());
}

void WindowFixture::TearDownFolder() {
    m_window.reset();
    m_session.reset();
    m_settings.reset();
    m_dir.reset();
}

void WindowFixture::WriteSetting(const char* name, const std::string& value) {
    m_settings->WriteString(kSettingsGroup, name, value);
}

void WindowFixture::WriteSettings(bool realTime) {
    (void)LoadSettings(*m_settings, FixedClock());  // past the first run
    for (const auto& [name, value] : {std::pair{"Callsign", "UA1AAA"},
                                      {"Contest", "WPX"},
                                      {"Band", "20"},
                                      {"Mode", "CW"},
                                      {"Date", "2002-02-16"},
                                      {"TimeShift", "+0"},
                                      {"CDROM", "none"}}) {
        WriteSetting(name, value);
    }
    m_settings->WriteInt(kSettingsGroup, "RealTimeMode", realTime ? 1 : 0);
}

void WindowFixture::LogContacts(const std::vector<std::string>& calls) {
    LoggerSession session(ProgramFolder(Folder()), *m_settings, FixedClock);
    (void)session.Start();
    for (const auto& call : calls) {
        (void)session.CallChanged(call);
        session.SetFieldText(Field::Time, "12:00");
        session.LeaveTimeField();
        session.SetFieldText(Field::ExchangeReceived, "5");
        QVERIFY(session.SaveContact().messages.empty());
        QVERIFY2(session.CurrentScreen().entry[Field::Call].empty(), call.c_str());  // saved: the row is cleared
    }
}

void WindowFixture::OpenWindow() {
    m_session = std::make_unique<LoggerSession>(ProgramFolder(Folder()), *m_settings, FixedClock);
    m_session->SetCallbookLibraries(m_callbooks);
    m_window = std::make_unique<CLoggerDlg>(*m_session, FixedClock);
    m_window->openDialog = [this](Dialog dialog) {
        return OpenSettingsDialog(dialog, *m_window, *m_settings, FixedClock);
    };
    m_window->Start();
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

QStringList WindowFixture::Column(int column) {
    QStringList cells;
    for (int row = 1; row <= 7; ++row) cells << m_window->LogView().CellText(row, column);
    return cells;
}

void WindowTest::init() {
    SetUpFolder();
    if (m_settingsBeforeEachTest != Settings::FirstStart)
        WriteSettings(m_settingsBeforeEachTest == Settings::RealTime);
}

}  // namespace tallyhawk::testing
