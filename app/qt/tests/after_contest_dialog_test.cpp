// The "After the contest" dialog over a real session: F8 opens it, and each button's answer comes from
// the session (check, exports, the logbook from any ADIF, another program's contest log).
#include "app/qt/after_contest_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "app/qt/tests/window_fixture.h"

namespace tallyhawk {

using namespace testing;

namespace {

// Every button and label of a shown dialog is at least as wide as its text needs; with
// TALLYHAWK_SCREENSHOTS set the dialog is also saved there as a picture to look at.
void VerifyTextsWhole(QWidget& dialog, const QString& pictureName) {
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (auto* widget : dialog.findChildren<QWidget*>()) {
        if (!qobject_cast<QPushButton*>(widget) && !qobject_cast<QLabel*>(widget) && !qobject_cast<QComboBox*>(widget)) {
            continue;
        }
        QVERIFY2(widget->width() >= widget->minimumSizeHint().width(), qPrintable(widget->objectName()));
    }
    for (auto* field : dialog.findChildren<QLineEdit*>()) {
        QVERIFY2(field->width() > field->fontMetrics().horizontalAdvance(field->placeholderText()),
                 qPrintable(field->objectName()));
    }
    const QString folder = qEnvironmentVariable("TALLYHAWK_SCREENSHOTS");
    if (!folder.isEmpty()) QVERIFY(dialog.grab().save(folder + "/" + pictureName));
}

}  // namespace

class AfterContestDialogTest : public QObject, public WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { TearDownFolder(); }
    void F8OpensTheDialogWhereCheckAndExportsAnswer();
    void ImportsTakeTheChosenFiles();
    void SettingsDialogShowsTheContestPeriodAndStoresTheChoices();
};

// DL1XYZ in CQ WW CW 2024.
void AfterContestDialogTest::init() {
    SetUpFolder();
    WriteSettings(false);
    for (const auto& [name, value] : {std::pair{"Callsign", "DL1XYZ"}, {"Contest", "CQ"}, {"Date", "2024-11-23"},
                                      {"Continent", "EU"}, {"CQZone", "14"}}) {
        WriteSetting(name, value);
    }
}

void AfterContestDialogTest::F8OpensTheDialogWhereCheckAndExportsAnswer() {
    LogContacts({"W1AW", "W1AW"});
    OpenWindow();
    std::optional<Dialog> opened;
    m_window->openDialog = [&opened](Dialog dialog) {
        opened = dialog;
        return false;
    };
    QTest::keyClick(Edit(Field::Call), Qt::Key_F8);
    QCOMPARE(opened == Dialog::AfterContest, true);

    CAfterContestDialog dialog(*m_window, *m_settings, FixedClock);
    dialog.Action("Check the log")->click();
    QVERIFY2(dialog.Answer().contains("line 16: duplicate of line 15: W1AW on 20 m CW"), qPrintable(dialog.Answer()));
    QVERIFY(dialog.Answer().endsWith("findings, 2 contacts"));
    VerifyTextsWhole(dialog, "after_contest_dialog.png");
    dialog.Action("Export Cabrillo 3.0 log")->click();
    QVERIFY(std::filesystem::exists(Folder() / "DL1XYZ-CQ-WW-CW.log"));
    QVERIFY(dialog.Answer().startsWith("2 contacts written to "));
    dialog.Action("Export ADIF of the contest")->click();
    QVERIFY(std::filesystem::exists(Folder() / "DL1XYZ-CQ-WW-CW.adi"));
}

void AfterContestDialogTest::ImportsTakeTheChosenFiles() {
    SKIP_WITHOUT_REAL_DATA();
    OpenWindow();
    CAfterContestDialog dialog(*m_window, *m_settings, FixedClock);
    const std::filesystem::path realData = TALLYHAWK_REALDATA;
    dialog.chooseFile = [&realData](const QString&) {
        return QString::fromStdString((realData / "adif/stevenmburns_wsjtx_log.adi").string());
    };
    dialog.Action("Import ADIF of any logger into the logbook...")->click();
    QCOMPARE(dialog.Answer(), QString("528 records read, 528 in the logbook, 0 without a call left out."));
    dialog.chooseFile = [&realData](const QString&) {
        return QString::fromStdString((realData / "cabrillo/thxo_CQWPX.log").string());
    };
    dialog.Action("Take over a Cabrillo log of another program...")->click();
    QVERIFY2(dialog.Answer().startsWith("2 contacts of contest WPX for AA1ZZZ written to "), qPrintable(dialog.Answer()));
    QCOMPARE(m_session->Station().callsign, std::string("AA1ZZZ"));
    QVERIFY(std::filesystem::exists(Folder() / "AA1ZZZ.cbr"));
    dialog.chooseFile = [](const QString&) { return QString(); };  // cancelled: nothing happens
    dialog.Action("Check the log")->click();
    dialog.Action("Take over a Cabrillo log of another program...")->click();
    QVERIFY(dialog.Answer().endsWith("contacts"));
}

void AfterContestDialogTest::SettingsDialogShowsTheContestPeriodAndStoresTheChoices() {
    OpenWindow();
    CAfterContestDialog dialog(*m_window, *m_settings, FixedClock);
    QString placeholder;
    QTimer::singleShot(50, [&placeholder] {
        auto* settings = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(settings != nullptr);
        VerifyTextsWhole(*settings, "submission_dialog.png");
        QStringList labels;
        for (const QLabel* label : settings->findChildren<QLabel*>()) labels << label->text();
        QVERIFY2(labels.contains("Category power") && labels.contains("Contest period"), qPrintable(labels.join('|')));
        placeholder = settings->findChild<QLineEdit*>("Contest period")->placeholderText();
        settings->findChild<QComboBox*>("Category power")->setCurrentText("LOW");
        settings->findChild<QLineEdit*>("Email")->setText("dl1xyz@example.org");
        settings->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    dialog.Action("Log for the sponsor: categories, details...")->click();
    QCOMPARE(placeholder, QString("2024-11-23 0000 2024-11-25 0000"));  // CQ WW CW of the setup's year
    QCOMPARE(m_settings->ReadString(kSettingsGroup, "CategoryPower").value_or(""), std::string("LOW"));
    QCOMPARE(m_settings->ReadString(kSettingsGroup, "Email").value_or(""), std::string("dl1xyz@example.org"));
}

}  // namespace tallyhawk

QTEST_MAIN(tallyhawk::AfterContestDialogTest)
#include "after_contest_dialog_test.moc"
