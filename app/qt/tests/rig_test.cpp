// The window with a radio: Hamlib's dummy radio served by rigctld on a free local port, driven with
// rigctl. The entry row follows the radio, a saved contact keeps its exact frequency, and a radio
// that goes away leaves the window working by hand. Skipped when rigctld is not installed.
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "app/qt/tests/window_fixture.h"
#include "log/contact_frequency_file.h"

namespace tallyhawk {
namespace {

constexpr int kFollowTimeoutMs = 8000;

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
    void EntryRowFollowsTheRadioAndARadioThatGoesAwayLeavesTheWindowWorking();

private:
    void StartRigctld();
    void StopRigctld();
    void Rigctl(const QStringList& commands);
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
    WriteSettings(true);
    for (const auto& [name, value] : {std::pair{"Contest", "CQ"}, {"Band", "40"}, {"CQZone", "16"}, {"Continent", "EU"}})
        WriteSetting(name, value);
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

void RigTest::LogByHand(const QString& call, const QString& received) {
    QTest::keyClicks(Edit(Field::Call), call);
    QTest::keyClick(Edit(Field::Call), Qt::Key_Tab);
    QTest::keyClicks(Edit(Field::ExchangeReceived), received);
    QTest::keyClick(Edit(Field::ExchangeReceived), Qt::Key_Return);
    QVERIFY(Edit(Field::Call)->text().isEmpty());
}

void RigTest::EntryRowFollowsTheRadioAndARadioThatGoesAwayLeavesTheWindowWorking() {
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
    const std::string log = testing::ReadText(Folder() / "UA1AAA.cbr");
    QVERIFY(log.find("QSO: 14000 PH 2002-02-16 1234 UA1AAA") != std::string::npos);
    QVERIFY(log.find("QSO:  7000 CW 2002-02-16 1234 UA1AAA") != std::string::npos);

    Rigctl({"F", "21025000", "M", "CW", "500"});
    QTRY_COMPARE_WITH_TIMEOUT(Edit(Field::Band)->text(), QString("15"), kFollowTimeoutMs);
    StopRigctld();
    QTRY_COMPARE_WITH_TIMEOUT(m_window->NoteLabel().text(), QString("radio not connected"), kFollowTimeoutMs);
    LogByHand("W1AW", "05");  // typing and saving go on by hand, without a frequency
    QCOMPARE(LoggedContactFrequency(ProgramFolder(Folder()), "UA1AAA", 3), std::optional<Hertz>{});
    QCOMPARE(Edit(Field::Band)->text(), QString("15"));

    StartRigctld();  // the dummy radio starts again on its own frequency, outside the contest bands
    QTRY_COMPARE_WITH_TIMEOUT(m_window->NoteLabel().text(), QString("radio connected"), kFollowTimeoutMs);
    Rigctl({"F", "3525000", "M", "CW", "500"});
    QTRY_COMPARE_WITH_TIMEOUT(Edit(Field::Band)->text(), QString("80"), kFollowTimeoutMs);
}

}  // namespace tallyhawk

QTEST_MAIN(tallyhawk::RigTest)
#include "rig_test.moc"
