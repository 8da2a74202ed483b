// The window with a radio: Hamlib's dummy radio served by rigctld on a free local port, driven with
// rigctl. The entry row follows the radio, a saved contact keeps its exact frequency, and a radio
// that goes away leaves the window working by hand. Skipped when rigctld is not installed.
#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/platform/qsettings_backend.h"
#include "app/qt/logger_dlg.h"
#include "app/qt/qt_conversions.h"
#include "app/qt/tests/window_fixture.h"
#include "core/file_io.h"
#include "log/contact_frequency_file.h"

namespace tallyhawk {
namespace {

constexpr int kFollowTimeoutMs = 8000;

ClockReading FixedClock() {
    return ClockReading{.year = 2002, .month = 2, .day = 16, .hour = 12, .minute = 34, .second = 56};
}

quint16 FreeLocalPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

}  // namespace

class RigTest : public QObject, public testing::WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void EntryRowFollowsTheRadioAndTheSaveKeepsItsFrequency();
    void ARadioThatGoesAwayLeavesTheWindowWorking();

private:
    void StartRigctld();
    void StopRigctld();
    void Rigctl(const QStringList& commands);
    void OpenWindow();
    void LogByHand(const QString& call, const QString& received);

    QString m_rigctld;
    QString m_rigctl;
    quint16 m_port = 0;
    std::unique_ptr<QProcess> m_server;
};

void RigTest::init() {
    m_rigctld = QStandardPaths::findExecutable(QStringLiteral("rigctld"));
    m_rigctl = QStandardPaths::findExecutable(QStringLiteral("rigctl"));
    if (m_rigctld.isEmpty() || m_rigctl.isEmpty())
        QSKIP("rigctld and rigctl (libhamlib-utils) are not installed");
    SetUpFolder();
    (void)LoadSettings(*m_settings, FixedClock());  // past the first run
    for (const auto& [name, value] : {std::pair{"Callsign", "UA1AAA"},
                                      {"Contest", "CQ"},
                                      {"Band", "40"},
                                      {"Mode", "CW"},
                                      {"Date", "2002-02-16"},
                                      {"TimeShift", "+0"},
                                      {"CDROM", "none"},
                                      {"CQZone", "16"},
                                      {"Continent", "EU"}}) {
        m_settings->WriteString(kSettingsGroup, name, value);
    }
    m_port = FreeLocalPort();
    StoreRigSettings(*m_settings,
                     {.enabled = true, .model = 2, .port = "localhost:" + std::to_string(m_port)});
    StartRigctld();
}

void RigTest::cleanup() {
    m_window.reset();
    m_session.reset();
    StopRigctld();
    TearDownFolder();
}

// The dummy radio (model 1) behind rigctld, up once it accepts a connection.
void RigTest::StartRigctld() {
    m_server = std::make_unique<QProcess>();
    m_server->start(m_rigctld, {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(m_port)});
    QVERIFY(m_server->waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(
        [this] {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, m_port);
            return probe.waitForConnected(200);
        }(),
        5000);
}

void RigTest::StopRigctld() {
    if (!m_server) return;
    m_server->kill();
    m_server->waitForFinished();
    m_server.reset();
}

void RigTest::Rigctl(const QStringList& commands) {
    QProcess rigctl;
    rigctl.start(m_rigctl, QStringList{"-m", "2", "-r", "localhost:" + QString::number(m_port)} + commands);
    QVERIFY(rigctl.waitForFinished(5000));
    QCOMPARE(rigctl.exitCode(), 0);
}

void RigTest::OpenWindow() {
    m_session = std::make_unique<LoggerSession>(ProgramFolder(Folder()), *m_settings, FixedClock);
    m_window = std::make_unique<CLoggerDlg>(*m_session, FixedClock);
    m_window->openDialog = [](Dialog) { return false; };
    m_window->Start();
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void RigTest::LogByHand(const QString& call, const QString& received) {
    QTest::keyClicks(Edit(Field::Call), call);
    QTest::keyClick(Edit(Field::Call), Qt::Key_Tab);
    QTest::keyClicks(Edit(Field::ExchangeReceived), received);
    QTest::keyClick(Edit(Field::ExchangeReceived), Qt::Key_Return);
    QVERIFY(Edit(Field::Call)->text().isEmpty());
}

void RigTest::EntryRowFollowsTheRadioAndTheSaveKeepsItsFrequency() {
    OpenWindow();
    QVERIFY(m_window->RigPoller().Running());
    Rigctl({"F", "14025000", "M", "USB", "2400"});
    QTRY_COMPARE_WITH_TIMEOUT(Edit(Field::Band)->text(), QString("20"), kFollowTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(Edit(Field::Mode)->text(), QString("PH"), kFollowTimeoutMs);
    LogByHand("DL1ABC", "14");
    QCOMPARE(LoggedContactFrequency(ProgramFolder(Folder()), "UA1AAA", 1), Hertz{14'025'000});

    Rigctl({"F", "7003500", "M", "CWR", "500"});
    QTRY_COMPARE_WITH_TIMEOUT(Edit(Field::Band)->text(), QString("40"), kFollowTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(Edit(Field::Mode)->text(), QString("CW"), kFollowTimeoutMs);
    LogByHand("OK1XX", "15");
    QCOMPARE(LoggedContactFrequency(ProgramFolder(Folder()), "UA1AAA", 2), Hertz{7'003'500});
    const std::string log = ReadFileOrEmpty(Folder() / "UA1AAA.cbr");
    QVERIFY(log.find("QSO: 14000 PH 2002-02-16 1234 UA1AAA") != std::string::npos);
    QVERIFY(log.find("QSO:  7000 CW 2002-02-16 1234 UA1AAA") != std::string::npos);
}

void RigTest::ARadioThatGoesAwayLeavesTheWindowWorking() {
    OpenWindow();
    Rigctl({"F", "21025000", "M", "CW", "500"});
    QTRY_COMPARE_WITH_TIMEOUT(Edit(Field::Band)->text(), QString("15"), kFollowTimeoutMs);

    StopRigctld();
    QTRY_COMPARE_WITH_TIMEOUT(m_window->NoteLabel().text(), QString("radio not connected"), kFollowTimeoutMs);
    LogByHand("DL1ABC", "14");  // typing and saving go on by hand, without a frequency
    QCOMPARE(LoggedContactFrequency(ProgramFolder(Folder()), "UA1AAA", 1), std::optional<Hertz>{});
    QCOMPARE(Edit(Field::Band)->text(), QString("15"));

    StartRigctld();  // the dummy radio starts again on its own frequency, outside the contest bands
    QTRY_COMPARE_WITH_TIMEOUT(m_window->NoteLabel().text(), QString("radio connected"), kFollowTimeoutMs);
    Rigctl({"F", "3525000", "M", "CW", "500"});
    QTRY_COMPARE_WITH_TIMEOUT(Edit(Field::Band)->text(), QString("80"), kFollowTimeoutMs);
}

}  // namespace tallyhawk

QTEST_MAIN(tallyhawk::RigTest)
#include "rig_test.moc"
