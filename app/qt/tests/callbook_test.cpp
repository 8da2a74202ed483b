// The callbook libraries through the real loader, over stand-in libraries with canned answers, and the
// call information panel of the window as the callbook setting changes.
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/qt/callbook_loader.h"
#include "app/qt/tests/window_fixture.h"

namespace tallyhawk {

using namespace testing;

class CallbookTest : public QObject, public WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void LoaderFindsEachLibraryUnderBothFileNames();
    void MissingOrIncompleteLibrariesDoNotLoad();
    void PanelFollowsTheCallbookSetting();

private:
    void Install(const char* fake, const std::string& fileName) const {
        std::filesystem::copy_file(fake, Folder() / fileName);
    }
    void LeaveCall(const QString& call);
    QStringList Panel() const;
    void Screenshot(const QString& name) const;

    std::unique_ptr<CallbookLoader> m_loader;
};

void CallbookTest::init() {
    SetUpFolder();
    m_loader = std::make_unique<CallbookLoader>(Folder());
    m_callbooks = m_loader.get();
}

void CallbookTest::cleanup() {
    m_window.reset();
    m_session.reset();
    m_loader.reset();
    TearDownFolder();
}

void CallbookTest::LeaveCall(const QString& call) {
    QLineEdit* edit = Edit(Field::Call);
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

// The session reads each callbook's answer (tested there for every callbook); the window shows the rows,
// the call label, the colours and the note of a missing library, and follows the configuration dialog's
// messages.
void CallbookTest::PanelFollowsTheCallbookSetting() {
    Install(TALLYHAWK_FAKE_QRZ, "libqrz32.so");  // and no Raccd32a, the first-run default callbook
    WriteSettings(false);
    WriteSetting("Contest", "A10");
    WriteSetting("CDROM", "rac");
    OpenWindow();
    LeaveCall("W1AW");
    const QStringList w1awCountry = {"DXCC:|United States of America", "WPX:|W1", "CQ:|5", "WAC:|NA"};
    QCOMPARE(Panel(), w1awCountry);
    QVERIFY2(m_window->NoteLabel().text().contains("Raccd32a"), qPrintable(m_window->NoteLabel().text()));
    Screenshot("missing");

    m_window->NoteLabel().clear();
    m_window->ApplySettingsMessage("settings: disk:D trxid:0 cdrom:qrz \n");
    LeaveCall("w1aw/4");
    QCOMPARE(Panel(), QStringList({"Name:|Hiram Percy Maxim", "QTH:|225 Main Street", "QTH:|Newington",
                                   "DXCC:|CT 06111"}));
    QCOMPARE(Edit(Field::ExchangeReceived)->text(), QString("CT"));
    QCOMPARE(m_window->findChild<QLabel*>("callLabel")->text(), QString("W1AW"));
    QCOMPARE(m_window->CallInfoValue(0).palette().color(QPalette::WindowText), QColor(0, 0, 50));  // "ColorText"
    Screenshot("qrz");
    LeaveCall("DL/K1XYZ");
    QCOMPARE(Panel(), QStringList({"|              NOT FOUND", "|", "|", "|"}));
    QCOMPARE(m_window->CallInfoValue(0).palette().color(QPalette::WindowText), QColor(255, 0, 0));  // "AlarmColor"
    QCOMPARE(m_window->findChild<QLabel*>("callLabel")->text(), QString("K1XYZ"));
    QVERIFY(m_window->NoteLabel().text().isEmpty());
    Screenshot("qrz-not-found");

    m_window->ApplySettingsMessage("settings: disk:E trxid:0 cdrom:none \n");  // the country table, no note
    LeaveCall("DL1ABC");
    QCOMPARE(Panel().first(), QString("DXCC:|Fed. Rep. of Germany"));
    QVERIFY(m_window->NoteLabel().text().isEmpty());
}

}  // namespace tallyhawk

QTEST_MAIN(tallyhawk::CallbookTest)
#include "callbook_test.moc"
