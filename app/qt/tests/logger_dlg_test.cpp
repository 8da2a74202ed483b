// The main window over a real session in a temporary program folder: rows reach the grids, keys and
// fields reach the session, settings messages reach the window.
#include "app/qt/logger_dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/qt/qt_conversions.h"
#include "app/qt/tests/window_fixture.h"
#include "app/qt/tray_icon.h"

Q_DECLARE_METATYPE(tallyhawk::Sound)

namespace tallyhawk {

using namespace testing;

class LoggerDlgTest : public WindowTest {
    Q_OBJECT
public:
    LoggerDlgTest() : WindowTest(Settings::RealTime) {}

private slots:
    void LoggedContactsReachTheLogViewAndScroll();
    void TypedRowAndEnterLogOneContactAndAnIncompleteRowNothing();
    void OnlyTheConfirmedExitEndsTheProgram();
    void F2RebuildsTheIndexFromTheLog();
    void SettingsMessageFromTheCommandLineReachesTheWindow();
    void ContestDialogStoresAndSendsTheSetup();
    void LeavingTheCallShowsItsLogbookHistory();
    void TypingListsKnownCallsAndTheRatesShowBesideTheScore();
};

// The clock above the grids shows UTC with the stored shift.
void LoggerDlgTest::LoggedContactsReachTheLogViewAndScroll() {
    m_settings->WriteString(kSettingsGroup, "TimeShift", "-90");
    LogContacts({"DL1AA", "DL2AA", "DL3AA", "DL4AA", "DL5AA", "DL6AA", "DL7AA", "DL8AA", "DL9AA", "OK1XX"});
    OpenWindow();
    QCOMPARE(m_window->findChild<QLabel*>("utcClock")->text(), QString("11:04:56"));
    QCOMPARE(m_window->windowTitle(), QString("Tallyhawk"));
    QCOMPARE(m_window->LogView().CellText(0, 1), QString("Callsign"));
    QCOMPARE(Column(kLogNumberColumn), QStringList({"4", "5", "6", "7", "8", "9", "10"}));
    QCOMPARE(m_window->LogView().CellText(7, kLogCallColumn), QString("OK1XX"));
    QCOMPARE(m_window->LogView().CellText(7, kLogUtcColumn), QString("12:00"));
    QCOMPARE(m_window->ScoreGrid().CellText(0, 0), QString("Band"));
    QVERIFY(!m_window->ScoreLabel().text().isEmpty());

    QTest::keyClick(Edit(Field::Call), Qt::Key_Home);
    QCOMPARE(Column(kLogNumberColumn).first(), QString("1"));
    QTest::keyClick(Edit(Field::Call), Qt::Key_Down);
    QCOMPARE(Column(kLogNumberColumn).first(), QString("2"));
    QTest::keyClick(Edit(Field::Call), Qt::Key_End);
    QCOMPARE(Column(kLogNumberColumn).first(), QString("4"));
}

void LoggerDlgTest::TypedRowAndEnterLogOneContactAndAnIncompleteRowNothing() {
    OpenWindow();
    QCOMPARE(Edit(Field::Band)->text(), QString("20"));
    QCOMPARE(Edit(Field::Mode)->text(), QString("CW"));
    QVERIFY(Edit(Field::Call)->hasFocus());
    QTest::keyClicks(Edit(Field::Call), "dl1abc");
    QCOMPARE(Edit(Field::Call)->text(), QString("DL1ABC"));
    // Tab into the time field: the clock fills it and the focus goes past the pre-filled serial.
    QTest::keyClick(Edit(Field::Call), Qt::Key_Tab);
    QCOMPARE(Edit(Field::Time)->text(), QString("12:34"));
    QCOMPARE(Edit(Field::ExchangeSent)->text(), QString("1"));
    QVERIFY(Edit(Field::ExchangeReceived)->hasFocus());
    QTest::keyClicks(Edit(Field::ExchangeReceived), "15");
    QTest::keyClick(Edit(Field::ExchangeReceived), Qt::Key_Return);

    const std::string log = ReadText(Folder() / "UA1AAA.cbr");
    QVERIFY2(log.find("QSO: 14000 CW 2002-02-16 1234 UA1AAA        599 1      DL1ABC        599 15") !=
                 std::string::npos,
             log.c_str());
    QCOMPARE(m_window->LogView().CellText(1, kLogCallColumn), QString("DL1ABC"));
    QVERIFY(Edit(Field::Call)->text().isEmpty());
    QVERIFY(Edit(Field::ExchangeReceived)->text().isEmpty());
    QVERIFY(Edit(Field::Call)->hasFocus());

    QSignalSpy sounds(&m_window->Sounds(), &CSoundPlayer::played);
    QTest::keyClicks(Edit(Field::Call), "OK1XX");
    QTest::keyClick(Edit(Field::Call), Qt::Key_Enter);  // no received exchange
    QCOMPARE(sounds.count(), 1);
    QCOMPARE(sounds.first().first().value<Sound>(), Sound::IncompleteRow);
    QCOMPARE(ReadText(Folder() / "UA1AAA.cbr"), log);
    QCOMPARE(Edit(Field::Call)->text(), QString("OK1XX"));
}

void LoggerDlgTest::F2RebuildsTheIndexFromTheLog() {
    LogContacts({"DL1AA", "DL2AA", "DL3AA"});
    std::filesystem::remove(Folder() / "database" / "UA1AAA.idx");
    std::filesystem::remove(Folder() / "database" / "UA1AAA.bdx");
    OpenWindow();
    QCOMPARE(Column(kLogCallColumn).first(), QString());
    QTest::keyClick(Edit(Field::Call), Qt::Key_F2);
    QCOMPARE(Column(kLogCallColumn).mid(0, 4), QStringList({"DL1AA", "DL2AA", "DL3AA", ""}));
    QVERIFY(std::filesystem::exists(Folder() / "database" / "UA1AAA.idx"));
}

// SP DX at a station outside Poland: the received province is one letter; the limits are the session's
// from start-up and stay when a settings message from the command line changes the contest.
void LoggerDlgTest::SettingsMessageFromTheCommandLineReachesTheWindow() {
    m_settings->WriteString(kSettingsGroup, "Contest", "SP");
    OpenWindow();
    QCOMPARE(Edit(Field::ExchangeReceived)->maxLength(), 1);
    QCOMPARE(Edit(Field::ExchangeSent)->maxLength(), int(kExchangeFieldLimit));
    QTest::keyClicks(Edit(Field::Call), "sp1abc");
    QCOMPARE(Edit(Field::Call)->text(), QString("SP1ABC"));
    Edit(Field::ExchangeReceived)->setFocus();
    QTest::keyClicks(Edit(Field::ExchangeReceived), "bc");
    QCOMPARE(Edit(Field::ExchangeReceived)->text(), QString("B"));

    QVERIFY(m_window->ListensForSettings());
    QProcess send;
    send.start(TALLYHAWK_CLI, {"send", "settings:", "band:40", "mode:RTTY", "cont:CQ", "date:2003-01-25"});
    QTRY_COMPARE_WITH_TIMEOUT(send.state(), QProcess::NotRunning, 10000);
    QCOMPARE(send.exitCode(), 0);
    QCOMPARE(Edit(Field::Band)->text(), QString("40"));
    QCOMPARE(Edit(Field::Mode)->text(), QString("RY"));
    QCOMPARE(Edit(Field::Date)->text(), QString("2003-01-25"));
    QCOMPARE(Edit(Field::ExchangeReceived)->maxLength(), 1);
}

// Escape and the platform's close command do nothing; the Close button and the tray's Exit ask first.
void LoggerDlgTest::OnlyTheConfirmedExitEndsTheProgram() {
    OpenWindow();
    QTest::keyClicks(Edit(Field::Call), "DL1");
    QTest::keyClick(Edit(Field::Call), Qt::Key_Escape);
    QCOMPARE(Edit(Field::Call)->text(), QString("DL1"));
    m_window->close();
    QVERIFY(m_window->isVisible());
    QSignalSpy exits(m_window.get(), &CLoggerDlg::exitConfirmed);
    AnswerNextBox("Cancel");
    m_window->Buttons().ButtonFor(Button::Close)->click();
    QVERIFY(m_window->isVisible());
    QCOMPARE(exits.count(), 0);
    CTrayIcon* tray = m_window->findChild<CTrayIcon*>();
    QVERIFY(tray);
    AnswerNextBox("Exit");
    emit tray->exitRequested();
    QCOMPARE(exits.count(), 1);
    QVERIFY(!m_window->isVisible());
}

void LoggerDlgTest::ContestDialogStoresAndSendsTheSetup() {
    OpenWindow();
    FillNextDialog([](QDialog& dialog) {
        dialog.findChild<QComboBox*>("Contest")->setCurrentText("RSGB 7 MHZ");
        dialog.findChild<QComboBox*>("Band")->setCurrentText("20 m");
        dialog.findChild<QComboBox*>("Mode")->setCurrentText("Phone");
        dialog.findChild<QLineEdit*>("Month")->setText("13");
    });
    QTest::keyClick(Edit(Field::Call), Qt::Key_F5);
    QCOMPARE(Edit(Field::Band)->text(), QString("40"));  // the contest is held on 40 m only
    QCOMPARE(Edit(Field::Mode)->text(), QString("PH"));
    QCOMPARE(Edit(Field::Date)->text(), QString("2002-02-16"));  // month 13 became this month
    QCOMPARE(m_settings->ReadString(kSettingsGroup, "Contest"), std::optional<std::string>("RS7"));
    QCOMPARE(m_window->BannerName(), QString("RSGB 7 MHZ"));

    FillNextDialog([](QDialog& dialog) {
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Reset)->click();
        dialog.findChild<QComboBox*>()->setCurrentIndex(0);
    });
    QTest::keyClick(Edit(Field::Call), Qt::Key_F3);
    QCOMPARE(m_settings->ReadInt(kColorsGroup, "GridBackColorSel"),
             std::optional<std::int32_t>(Rgb(0, 255, 0)));
    QCOMPARE(m_window->LogView().Colors().style, GridStyle::None);
}

void LoggerDlgTest::LeavingTheCallShowsItsLogbookHistory() {
    std::ofstream(Folder() / "logbook.adi", std::ios::binary)
        << "<EOH>\r\n"
           "<CALL:5>DL1AB<QSO_DATE:8>20020315<TIME_ON:4>1234<BAND:3>20M<MODE:2>CW<QSL_RCVD:1>Y<QSL_SENT:1>N<"
           "EOR>\r\n"
           "<CALL:5>OK1XX<QSO_DATE:8>20020316<TIME_ON:4>0800<BAND:3>40M<MODE:3>SSB<EOR>\r\n";
    QCOMPARE(ImportAdif(ProgramFolder(Folder()), Folder() / "logbook.adi").records, 2);
    OpenWindow();
    QTest::keyClicks(Edit(Field::Call), "DL1AB");
    QTest::keyClick(Edit(Field::Call), Qt::Key_Tab);
    CGridCtrl& history = m_window->LookupView();
    QCOMPARE(history.CellText(0, 0), QString("Date"));
    QStringList row;
    for (int column = 0; column < 5; ++column) row << history.CellText(1, column);
    QCOMPARE(row, QStringList({"2002-03-15", "12:34", "20", "CW", "Y/N"}));
    QCOMPARE(history.CellText(2, 0), QString());
    QCOMPARE(m_window->findChild<QLabel*>("callLabel")->text(), QString("DL1AB"));
    QCOMPARE(m_window->CallInfoValue(1).text(), QString("DL1"));  // the WPX prefix
}

// The panel lists the known calls of the program folder's MASTER.SCP for the typed call, the worked
// one on the worked colour; the rates of the two contacts logged at 12:00 stand beside the score.
void LoggerDlgTest::TypingListsKnownCallsAndTheRatesShowBesideTheScore() {
    std::ofstream(Folder() / "MASTER.SCP", std::ios::binary)
        << "# test\r\nDL1ABC\r\nDL1ABD\r\nOK1XX\r\nW1AW\r\n";
    LogContacts({"DL1ABC", "OK1XX"});
    OpenWindow();
    QCOMPARE(m_window->Rates().LastTen().text(), QString("120/h"));
    QCOMPARE(m_window->Rates().LastHour().text(), QString("2/h"));
    QTest::keyClicks(Edit(Field::Call), "DL1AB");
    const auto texts = [](QListWidget& list) {
        QStringList calls;
        for (int row = 0; row < list.count(); ++row) calls << list.item(row)->text();
        return calls;
    };
    QListWidget& partial = m_window->KnownCalls().PartialList();
    QCOMPARE(texts(partial), QStringList({"DL1ABC", "DL1ABD"}));
    QCOMPARE(texts(m_window->KnownCalls().NearList()), QStringList({"DL1ABC", "DL1ABD"}));
    const QColor worked = ToQColor(m_session->ColorValue("GridBackColorWorked"));
    QCOMPARE(partial.item(0)->background().color(), worked);
    QVERIFY(partial.item(1)->background().color() != worked);
    if (qEnvironmentVariableIsSet("TALLYHAWK_SCREENSHOT")) {
        m_window->grab().save(qEnvironmentVariable("TALLYHAWK_SCREENSHOT") + ".typed.png");
    }
    QTest::keyClick(Edit(Field::Call), Qt::Key_Backspace);
    QTest::keyClick(Edit(Field::Call), Qt::Key_Backspace);
    QTest::keyClick(Edit(Field::Call), Qt::Key_Backspace);
    QTest::keyClick(Edit(Field::Call), Qt::Key_Backspace);
    QCOMPARE(partial.count(), 0);  // one character is no partial yet
}

}  // namespace tallyhawk

QTEST_MAIN(tallyhawk::LoggerDlgTest)
#include "logger_dlg_test.moc"
