// The look and feel of the main window and the about box: the grids, the banners, the worked-before
// alarm, what the time and exchange fields take, the order of dialog and sound, the manual key and
// dragging by the background.
#include <QApplication>
#include <QCheckBox>
#include <QSignalSpy>
#include <QTest>
#include <set>

#include "app/qt/about_box.h"
#include "app/qt/pictures.h"
#include "app/qt/tests/window_fixture.h"
#include "scoring/contest_table.h"

Q_DECLARE_METATYPE(tallyhawk::Sound)

namespace tallyhawk {

using namespace testing;

class WindowLookTest : public WindowTest {
    Q_OBJECT
public:
    WindowLookTest() : WindowTest(Settings::TypedTime) {}

private slots:
    void GridCellsAreCentredAndTheGridStylesLookDifferent();
    void EveryContestHasABannerOfItsOwn();
    void AboutBoxScrollsOnePixelATickAndStartsAgain();
    void TheWorkedBeforeAlarmIsDrawnLargerThanTheStatus();
    void TimeAndExchangeFieldsFilterWhatIsTypedAndKeepTheCaretAtTheEnd();
    void IncompleteRowSoundsAfterTheConfigurationDialog();
    void F1WithoutAManualSaysWhereItShouldBe();
    void DraggingTheBackgroundMovesTheWindow();

private:
    QImage LogViewWithStyle(int style);
};

QImage WindowLookTest::LogViewWithStyle(int style) {
    m_settings->WriteInt(kColorsGroup, "GridStyle", style);
    m_window->ReloadColors();
    return m_window->LogView().grab().toImage();
}

void WindowLookTest::GridCellsAreCentredAndTheGridStylesLookDifferent() {
    LogContacts({"DL1AA", "DL2AA", "DL3AA"});
    OpenWindow();
    for (const int column : {kLogNumberColumn, kLogCallColumn, kLogReceivedColumn})
        QCOMPARE(m_window->LogView().CellAlignment(1, column), Qt::Alignment(Qt::AlignCenter));
    std::vector<QImage> looks;
    for (int style = 0; style <= 3; ++style) looks.push_back(LogViewWithStyle(style));
    for (std::size_t one = 0; one < looks.size(); ++one) {
        for (std::size_t other = one + 1; other < looks.size(); ++other)
            QVERIFY2(looks[one] != looks[other], qPrintable(QString("styles %1 and %2").arg(one).arg(other)));
    }
}

void WindowLookTest::EveryContestHasABannerOfItsOwn() {
    std::set<QByteArray> pictures;
    for (const Contest* contest : AllContests()) {
        const auto banner = ContestBanner(contest->code);
        QVERIFY2(banner.has_value(), contest->code.data());
        const QImage image = banner->toImage();
        pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    QCOMPARE(pictures.size(), AllContests().size());
    QVERIFY(!ContestBanner("XYZ").has_value());

    OpenWindow();
    QCOMPARE(m_window->BannerName(), QString("WPX DX"));
    m_window->ApplySettingsMessage("settings: cont:XYZ");  // no banner: the one shown stays
    QCOMPARE(m_window->BannerName(), QString("WPX DX"));
    m_window->ApplySettingsMessage("settings: cont:SAC");
    QCOMPARE(m_window->BannerName(), QString("SAC DX"));
}

void WindowLookTest::AboutBoxScrollsOnePixelATickAndStartsAgain() {
    CAboutBox about;
    CScrollingText& text = about.Text();
    QCOMPARE(about.findChild<QTimer*>()->interval(), 40);
    QVERIFY(text.VisibleLines().isEmpty());
    const QStringList lines = CAboutBox::Lines();
    QCOMPARE(lines.size(), 18);
    text.Tick();
    QCOMPARE(text.VisibleLines(), QStringList({lines[0]}));
    for (int tick = 1; tick < 15; ++tick) text.Tick();
    QCOMPARE(text.VisibleLines(), QStringList({lines[0]}));  // 15 pixels up, the next line not yet in
    text.Tick();
    QCOMPARE(text.VisibleLines(), QStringList({lines[0], lines[1]}));
    for (int tick = 16; tick <= 18 * 15; ++tick) text.Tick();
    QCOMPARE(text.VisibleLines().last(), lines[0]);  // after the last line the list starts again
}

// A worked call sounds the alarm, shows its row on the worked colour and the alarm larger than the
// multiplier status that follows on leaving the call.
void WindowLookTest::TheWorkedBeforeAlarmIsDrawnLargerThanTheStatus() {
    LogContacts({"DL1ABC", "OK1XX"});
    OpenWindow();
    QSignalSpy sounds(&m_window->Sounds(), &CSoundPlayer::played);
    QTest::keyClicks(Edit(Field::Call), "DL1ABC");
    QCOMPARE(m_window->StatusLabel().text(), QString("WORKED BEFORE"));
    QVERIFY(!sounds.isEmpty());
    QCOMPARE(sounds.last().first().value<Sound>(), Sound::WorkedBefore);
    QCOMPARE(m_window->LogView().CellText(1, kLogCallColumn), QString("DL1ABC"));
    QCOMPARE(m_window->LogView().CellBackground(1, kLogCallColumn), QColor(255, 200, 200));  // "GridBackColorWorked"
    QCOMPARE(m_window->LogView().CellText(2, kLogCallColumn), QString());
    const QFont alarm = m_window->StatusLabel().font();
    QVERIFY(alarm.bold());
    QCOMPARE(alarm.pixelSize(), 14);
    QCOMPARE(m_window->StatusLabel().palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QTest::keyClick(Edit(Field::Call), Qt::Key_Backspace);
    QTest::keyClicks(Edit(Field::Call), "X");
    QTest::keyClick(Edit(Field::Call), Qt::Key_Tab);  // the multiplier status
    QVERIFY(!m_window->StatusLabel().text().isEmpty());
    QVERIFY(m_window->StatusLabel().font().pixelSize() < alarm.pixelSize());
}

// While the call is empty the exchange fields send the focus back to it; the time field takes digits
// with the colon added and keeps the caret at its end when tabbed into; the exchange takes digits up to
// its limit.
void WindowLookTest::TimeAndExchangeFieldsFilterWhatIsTypedAndKeepTheCaretAtTheEnd() {
    OpenWindow();
    QTest::keyClick(Edit(Field::Call), Qt::Key_Tab);
    QVERIFY(Edit(Field::Time)->hasFocus());
    QTest::keyClick(Edit(Field::Time), Qt::Key_Tab);
    QVERIFY(Edit(Field::Call)->hasFocus());
    QCOMPARE(Edit(Field::Time)->text(), QString("00:00"));  // the empty time was repaired on leaving
    QTest::keyClick(Edit(Field::Call), Qt::Key_Backtab);    // backwards from Call: Exchange received
    QVERIFY(Edit(Field::Call)->hasFocus());

    QTest::keyClicks(Edit(Field::Call), "DL1ABC");
    QTest::keyClick(Edit(Field::Call), Qt::Key_Tab);
    Edit(Field::Time)->selectAll();
    QTest::keyClick(Edit(Field::Time), Qt::Key_Delete);
    QTest::keyClicks(Edit(Field::Time), "12x34");
    QCOMPARE(Edit(Field::Time)->text(), QString("12:34"));
    QTest::keyClick(Edit(Field::Time), Qt::Key_Backtab);
    QTest::keyClick(Edit(Field::Call), Qt::Key_Tab);
    QVERIFY(Edit(Field::Time)->hasFocus());
    QVERIFY(!Edit(Field::Time)->hasSelectedText());
    QCOMPARE(Edit(Field::Time)->cursorPosition(), 5);
    QTest::keyClick(Edit(Field::Time), Qt::Key_Backspace);  // one typing mistake, not the whole time
    QCOMPARE(Edit(Field::Time)->text(), QString("12:3"));
    QTest::keyClicks(Edit(Field::Time), "4");
    QTest::keyClick(Edit(Field::Time), Qt::Key_Tab);  // past the serial to the received exchange
    QVERIFY(Edit(Field::ExchangeReceived)->hasFocus());
    QTest::keyClicks(Edit(Field::ExchangeReceived), "1a5");
    QCOMPARE(Edit(Field::ExchangeReceived)->text(), QString("15"));
    QTest::keyClicks(Edit(Field::ExchangeReceived), "6789");
    QCOMPARE(Edit(Field::ExchangeReceived)->text().size(), qsizetype(kExchangeFieldLimit));
}

// Date, band or mode missing: the configuration dialog comes first, the warning when it has closed.
void WindowLookTest::IncompleteRowSoundsAfterTheConfigurationDialog() {
    WriteSetting("Band", "");
    OpenWindow();
    QSignalSpy sounds(&m_window->Sounds(), &CSoundPlayer::played);
    int soundsWhileOpen = -1;
    FillNextDialog(
        [&sounds, &soundsWhileOpen](QDialog&) { soundsWhileOpen = static_cast<int>(sounds.count()); });
    QTest::keyClicks(Edit(Field::Call), "DL1ABC");
    QTest::keyClick(Edit(Field::Call), Qt::Key_Return);
    QCOMPARE(soundsWhileOpen, 0);
    QCOMPARE(sounds.count(), 1);
    QCOMPARE(sounds.first().first().value<Sound>(), Sound::IncompleteRow);
}

void WindowLookTest::F1WithoutAManualSaysWhereItShouldBe() {
    OpenWindow();
    QString said;
    AnswerNextBox("OK", [&said](const QString& text) { said = text; });
    QTest::keyClick(Edit(Field::Call), Qt::Key_F1);
    QVERIFY2(said.contains("docs/manual/index.html"), qPrintable(said));
}

void WindowLookTest::DraggingTheBackgroundMovesTheWindow() {
    OpenWindow();
    const QPoint before = m_window->pos();
    const QPoint background(m_window->width() - 20, m_window->height() / 2);
    QVERIFY(m_window->childAt(background) == nullptr);
    QTest::mousePress(m_window.get(), Qt::LeftButton, {}, background);
    QTest::mouseMove(m_window.get(), background + QPoint(-40, -30));
    QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, background + QPoint(-40, -30));
    QCOMPARE(m_window->pos(), before + QPoint(-40, -30));
}

}  // namespace tallyhawk

QTEST_MAIN(tallyhawk::WindowLookTest)
#include "window_look_test.moc"
