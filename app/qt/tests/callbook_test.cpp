// The callbook libraries through the real loader, over stand-in libraries with canned answers, and the
// call information panel of the window with each callbook setting.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/qt/callbook_loader.h"
#include "app/qt/logger_dlg.h"

namespace tallyhawk {
namespace {

ClockReading FixedClock() {
    return ClockReading{.year = 2002, .month = 2, .day = 16, .hour = 12, .minute = 34, .second = 56};
}

const QStringList kW1awCountry = {"DXCC:|United States of America", "WPX:|W1", "CQ:|5", "WAC:|NA"};

}  // namespace

class CallbookTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void LoaderFindsEachLibraryUnderBothFileNames();
    void MissingOrIncompleteLibrariesDoNotLoad();
    void PanelShowsTheCallbookAnswer_data();
    void PanelShowsTheCallbookAnswer();
    void PanelShowsTheCountryTableWhileTheLibraryIsMissing();

private:
    std::filesystem::path Folder() const { return m_dir->path().toStdString(); }
    void Install(const char* fake, const std::string& fileName) const {
        std::filesystem::copy_file(fake, Folder() / fileName);
    }
    void OpenWindow(const QString& callbook, const QString& contest);
    void LeaveCall(const QString& call);
    QStringList Panel() const;
    void Screenshot(const QString& name) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MemorySettingsBackend> m_settings;
    std::unique_ptr<CallbookLoader> m_loader;
    std::unique_ptr<LoggerSession> m_session;
    std::unique_ptr<CLoggerDlg> m_window;
};

void CallbookTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    std::filesystem::copy(std::filesystem::path(TALLYHAWK_SHIPPED_DATA) / "dxcc", Folder() / "dxcc");
    m_loader = std::make_unique<CallbookLoader>(Folder());
}

void CallbookTest::cleanup() {
    m_window.reset();
    m_session.reset();
    m_settings.reset();
    m_loader.reset();
    m_dir.reset();
}

void CallbookTest::OpenWindow(const QString& callbook, const QString& contest) {
    m_settings = std::make_unique<MemorySettingsBackend>();
    (void)LoadSettings(*m_settings, FixedClock());  // past the first run
    for (const auto& [name, value] : {std::pair{"Callsign", QString("UA1AAA")},
                                      {"Contest", contest},
                                      {"Band", QString("20")},
                                      {"Mode", QString("CW")},
                                      {"CDROM", callbook}}) {
        m_settings->WriteString(kSettingsGroup, name, value.toStdString());
    }
    m_settings->WriteInt(kSettingsGroup, "RealTimeMode", 0);
    m_session = std::make_unique<LoggerSession>(ProgramFolder(Folder()), *m_settings, FixedClock);
    m_session->SetCallbookLibraries(m_loader.get());
    m_window = std::make_unique<CLoggerDlg>(*m_session, FixedClock);
    m_window->Start();
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void CallbookTest::LeaveCall(const QString& call) {
    QLineEdit* edit = m_window->EntryRow().Edit(Field::Call);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, call);
    QTest::keyClick(edit, Qt::Key_Tab);
}

// "caption|value" per row.
QStringList CallbookTest::Panel() const {
    QStringList rows;
    for (std::size_t row = 0; row < 4; ++row) {
        const auto* caption = m_window->findChild<QLabel*>(QStringLiteral("callInfoCaption%1").arg(row));
        rows << caption->text() + "|" + m_window->CallInfoValue(row).text();
    }
    return rows;
}

// TALLYHAWK_SCREENSHOT_DIR=DIR keeps a picture of the window for each callbook setting.
void CallbookTest::Screenshot(const QString& name) const {
    if (!qEnvironmentVariableIsSet("TALLYHAWK_SCREENSHOT_DIR")) return;
    m_window->grab().save(qEnvironmentVariable("TALLYHAWK_SCREENSHOT_DIR") + "/callbook-" + name + ".png");
}

void CallbookTest::LoaderFindsEachLibraryUnderBothFileNames() {
    const std::pair<std::string, std::string> layouts[] = {{"libqrz32.so", "Raccd32a.so"},
                                                           {"qrz32.so", "libRaccd32a.so"}};
    for (const auto& [qrzFile, racFile] : layouts) {
        cleanup();
        init();
        Install(TALLYHAWK_FAKE_QRZ, qrzFile);
        Install(TALLYHAWK_FAKE_RAC, racFile);
        QVERIFY(m_loader->Loads(CallbookSource::Qrz));
        QVERIFY(m_loader->Loads(CallbookSource::Rac));
        // QRZInit, QRZSearch and QRZExit in this order: the stand-in answers only in between.
        QCOMPARE(m_loader->SearchQrz("W1AW").value_or("-"),
                 std::string("  Hiram Percy Maxim, W1AW\r\n225 Main Street\r\nNewington, CT 06111\r\n"));
        QCOMPARE(m_loader->SearchQrz("W1AW").value_or("-").substr(0, 9), std::string("  Hiram P"));
        QCOMPARE(m_loader->SearchRac("d:\\", "w1aw").value_or("-").substr(0, 6), std::string("\x01W1AW\x02"));
        QCOMPARE(m_loader->SearchRac("d", "w1aw"), std::optional<std::string>(""));  // not a drive to it
    }
}

void CallbookTest::MissingOrIncompleteLibrariesDoNotLoad() {
    for (const CallbookSource source : {CallbookSource::Qrz, CallbookSource::Rac}) {
        QVERIFY(!m_loader->Loads(source));
    }
    QCOMPARE(m_loader->SearchQrz("W1AW"), std::nullopt);
    QCOMPARE(m_loader->SearchRac("d:\\", "w1aw"), std::nullopt);
    // A library of that name without QRZInit, QRZSearch and QRZExit counts as missing.
    Install(TALLYHAWK_FAKE_RAC, "libqrz32.so");
    QVERIFY(!m_loader->Loads(CallbookSource::Qrz));
    QCOMPARE(m_loader->SearchQrz("W1AW"), std::nullopt);
}

void CallbookTest::PanelShowsTheCallbookAnswer_data() {
    QTest::addColumn<QString>("callbook");
    QTest::addColumn<QString>("contest");
    QTest::addColumn<QStringList>("panel");
    QTest::addColumn<QString>("exchange");
    QTest::newRow("qrz") << "qrz"
                         << "A10"
                         << QStringList{"Name:|Hiram Percy Maxim", "QTH:|225 Main Street", "QTH:|Newington",
                                        "DXCC:|CT 06111"}
                         << "CT";
    QTest::newRow("rac") << "rac"
                         << "ARR"
                         << QStringList{"Name:|Hiram Percy Maxim", "QTH:|225 Main Street",
                                        "DXCC:|United States", "State:|Hartford CT"}
                         << "CT";
    QTest::newRow("none") << "none"
                          << "A10" << kW1awCountry << "";
}

void CallbookTest::PanelShowsTheCallbookAnswer() {
    QFETCH(QString, callbook);
    QFETCH(QString, contest);
    QFETCH(QStringList, panel);
    QFETCH(QString, exchange);
    Install(TALLYHAWK_FAKE_QRZ, "libqrz32.so");
    Install(TALLYHAWK_FAKE_RAC, "Raccd32a.so");
    OpenWindow(callbook, contest);
    LeaveCall(callbook == "none" ? "w1aw" : "w1aw/4");
    QCOMPARE(Panel(), panel);
    QCOMPARE(m_window->EntryRow().Edit(Field::ExchangeReceived)->text(), exchange);
    if (callbook == "none") return Screenshot(callbook);
    QCOMPARE(m_window->findChild<QLabel*>("callLabel")->text(), QString("W1AW"));
    QCOMPARE(m_window->CallInfoValue(0).palette().color(QPalette::WindowText),
             QColor(0, 0, 50));  // "ColorText"
    Screenshot(callbook);

    LeaveCall("DL/K1XYZ");
    QCOMPARE(Panel(), QStringList({"|              NOT FOUND", "|", "|", "|"}));
    QCOMPARE(m_window->CallInfoValue(0).palette().color(QPalette::WindowText),
             QColor(255, 0, 0));  // "AlarmColor"
    QCOMPARE(m_window->findChild<QLabel*>("callLabel")->text(), QString("K1XYZ"));
    QVERIFY(m_window->NoteLabel().text().isEmpty());
    Screenshot(callbook + "-not-found");
}

void CallbookTest::PanelShowsTheCountryTableWhileTheLibraryIsMissing() {
    OpenWindow("rac", "ARR");  // the first-run default callbook, with no library in the folder
    LeaveCall("W1AW");
    QCOMPARE(Panel(), kW1awCountry);
    QVERIFY2(m_window->NoteLabel().text().contains("Raccd32a"), qPrintable(m_window->NoteLabel().text()));
    Screenshot("missing");

    // The configuration dialog's message: the country table, without a note.
    m_window->NoteLabel().clear();
    m_window->ApplySettingsMessage("settings: disk:E trxid:0 cdrom:none \n");
    LeaveCall("DL1ABC");
    QCOMPARE(Panel().first(), QString("DXCC:|Fed. Rep. of Germany"));
    QVERIFY(m_window->NoteLabel().text().isEmpty());
}

}  // namespace tallyhawk

QTEST_MAIN(tallyhawk::CallbookTest)
#include "callbook_test.moc"
