// Start-up and the ways out: the personal dialog of a first start, the configuration dialog the settings
// ask for, the command line read before any window exists, and every exit ending with a normal status.
#include <QCheckBox>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <csignal>

#include "app/qt/command_line.h"
#include "app/qt/tests/window_fixture.h"

namespace tallyhawk {

using namespace testing;

class StartUpTest : public WindowTest {
    Q_OBJECT
public:
    StartUpTest() : WindowTest(Settings::FirstStart) {}

private slots:
    void FirstStartAsksForTheStationAndLogsUnderTheTypedCall();
    void CheckConfigOnStartOpensTheConfigurationDialog();
    void CommandLineIsReadBeforeTheApplication();
    void MistakesOnTheCommandLineEndTheProgramNormally();
    void TerminationSignalsEndTheWindowNormally();

private:
    // The window program on this folder, with a settings server of its own.
    void StartProgram(QProcess& program, const QStringList& arguments);
    bool WaitUntilListening();
};

void StartUpTest::FirstStartAsksForTheStationAndLogsUnderTheTypedCall() {
    bool shownBefore = true;
    FillNextDialog([this, &shownBefore](QDialog& personal) {
        shownBefore = m_window->isVisible();
        personal.findChild<QLineEdit*>("Callsign")->setText("UA9XYZ");
        personal.findChild<QLineEdit*>("CQ zone")->setText("17");
        personal.findChild<QLineEdit*>("Continent")->setText("AS");
    });
    OpenWindow();
    QVERIFY(!shownBefore);  // the dialog came before the window
    QCOMPARE(QString::fromStdString(m_session->Station().callsign), QString("UA9XYZ"));
    QCOMPARE(Edit(Field::Band)->text(), QString("10"));  // the first start wrote the defaults, read back now
    QTest::keyClicks(Edit(Field::Call), "DL1ABC");
    QTest::keyClick(Edit(Field::Call), Qt::Key_Tab);  // real-time mode: the clock fills the time
    QTest::keyClicks(Edit(Field::ExchangeReceived), "15");
    QTest::keyClick(Edit(Field::ExchangeReceived), Qt::Key_Return);
    const std::string log = ReadText(Folder() / "UA9XYZ.cbr");
    QVERIFY2(log.find("QSO: 28000 PH 2002-02-16 1234 UA9XYZ        59  1      DL1ABC        59  15") !=
                 std::string::npos,
             log.c_str());
    QVERIFY(!std::filesystem::exists(Folder() / ".cbr"));
}

void StartUpTest::CheckConfigOnStartOpensTheConfigurationDialog() {
    WriteSettings(false);
    m_settings->WriteInt(kSettingsGroup, "CheckConfigOnStart", 1);
    bool opened = false;
    FillNextDialog([&opened](QDialog& configuration) {
        opened = true;
        configuration.findChild<QCheckBox*>("Window on top")->setChecked(true);
    });
    OpenWindow();
    QVERIFY(opened);
    QVERIFY(m_session->Options().onTop);
    QVERIFY(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void StartUpTest::CommandLineIsReadBeforeTheApplication() {
    struct Case {
        std::vector<std::string> words;
        int status;
        const char* text;  // in the help or in the error; empty when the window starts
    };
    const Case cases[] = {
        {{"--bogus"}, 2, "Unknown option 'bogus'"},
        {{"--folder"}, 2, "Missing value after '--folder'"},
        {{"stray"}, 2, "unexpected argument 'stray'"},
        {{"--help"}, 0, "--no-splash"},
        {{"-platform", "offscreen", "--no-splash", "--settings", "t.ini"}, 0, ""},
    };
    for (const Case& c : cases) {
        const WindowCommandLine read = ReadWindowCommandLine(c.words);
        QCOMPARE(read.exitStatus, c.status);
        QCOMPARE(read.options.has_value(), std::string(c.text).empty());
        QVERIFY2((read.output + read.error).find(c.text) != std::string::npos,
                 (read.output + read.error).c_str());
    }
    const auto options = ReadWindowCommandLine({"--no-splash", "--folder", "/tmp/contest"}).options;
    QVERIFY(options && !options->splash && options->folder == "/tmp/contest");
}

void StartUpTest::StartProgram(QProcess& program, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("TALLYHAWK_SERVER", QString::fromStdString((Folder() / "window.server").string()));
    program.setProcessEnvironment(environment);
    program.start(TALLYHAWK_WINDOW,
                  QStringList{"--folder", QString::fromStdString(Folder().string()), "--settings",
                              QString::fromStdString((Folder() / "tallyhawk.ini").string())} +
                      arguments);
    QVERIFY(program.waitForStarted());
}

// The window is up once it answers a settings message.
bool StartUpTest::WaitUntilListening() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        QProcess send;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TALLYHAWK_SERVER", QString::fromStdString((Folder() / "window.server").string()));
        send.setProcessEnvironment(environment);
        send.start(TALLYHAWK_CLI, {"send", "settings:", "band:20"});
        if (send.waitForFinished(10000) && send.exitCode() == 0) return true;
        QTest::qWait(100);
    }
    return false;
}

// Read before the application exists: the mistake is told, and the status is the one of a usage error.
void StartUpTest::MistakesOnTheCommandLineEndTheProgramNormally() {
    for (int run = 0; run < 5; ++run) {
        QProcess program;
        StartProgram(program, {"--no-such-option"});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        QVERIFY(program.readAllStandardError().contains("Unknown option 'no-such-option'"));
    }
}

// The desktop session ending (SIGHUP, SIGTERM) is a confirmed exit without the question, at any moment:
// in the start-up picture, or as soon as the window is up.
void StartUpTest::TerminationSignalsEndTheWindowNormally() {
    WriteSettings(false);
    m_settings->Sync();
    for (const int signal : {SIGTERM, SIGHUP}) {
        QProcess program;
        StartProgram(program, {"--no-splash"});
        QVERIFY(WaitUntilListening());
        ::kill(static_cast<pid_t>(program.processId()), signal);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
    QProcess splash;
    StartProgram(splash, {});
    QTest::qWait(500);
    ::kill(static_cast<pid_t>(splash.processId()), SIGTERM);
    QVERIFY(splash.waitForFinished(20000));
    QCOMPARE(splash.exitStatus(), QProcess::NormalExit);
    QCOMPARE(splash.exitCode(), 0);
}

}  // namespace tallyhawk

QTEST_MAIN(tallyhawk::StartUpTest)
#include "start_up_test.moc"
