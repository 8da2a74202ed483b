// The "After the contest" dialog over a real session: F8 opens it, and each button's answer comes from
// the session (check, exports, the logbook from any ADIF, another program's contest log).
#include "app/qt/after_contest_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/platform/qsettings_backend.h"

namespace tallyhawk {
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

ClockReading FixedClock() {
    return ClockReading{.year = 2024, .month = 11, .day = 23, .hour = 12, .minute = 34, .second = 56};
}

}  // namespace

class AfterContestDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void F8OpensTheDialog();
    void CheckAndExportsAnswerInTheDialog();
    void ImportsTakeTheChosenFiles();
    void SettingsDialogShowsTheContestPeriodAndStoresTheChoices();
    void BothDialogsShowEveryTextWhole();

private:
    std::filesystem::path Folder() const { return m_dir->path().toStdString(); }
    void OpenWindow(const std::vector<std::string>& calls);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSettingsBackend> m_settings;
    std::unique_ptr<LoggerSession> m_session;
    std::unique_ptr<CLoggerDlg> m_window;
};

void AfterContestDialogTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    for (const char* folder : {"dxcc", "database", "statistics"}) std::filesystem::create_directory(Folder() / folder);
    for (const auto& file : std::filesystem::directory_iterator(std::filesystem::path(TALLYHAWK_SHIPPED_DATA) / "dxcc")) {
        std::filesystem::copy_file(file.path(), Folder() / "dxcc" / file.path().filename());
    }
    m_settings = std::make_unique<QSettingsBackend>((Folder() / "tallyhawk.ini").string());
    (void)LoadSettings(*m_settings, FixedClock());
    for (const auto& [name, value] : {std::pair{"Callsign", "DL1XYZ"}, {"Contest", "CQ"}, {"Band", "20"},
                                      {"Mode", "CW"}, {"Date", "2024-11-23"}, {"Continent", "EU"}, {"CDROM", "none"}}) {
        m_settings->WriteString(kSettingsGroup, name, value);
    }
}

void AfterContestDialogTest::cleanup() {
    m_window.reset();
    m_session.reset();
    m_settings.reset();
    m_dir.reset();
}

void AfterContestDialogTest::OpenWindow(const std::vector<std::string>& calls) {
    m_session = std::make_unique<LoggerSession>(ProgramFolder(Folder()), *m_settings, FixedClock);
    (void)m_session->Start();
    for (const auto& call : calls) {
        m_session->SetFieldText(Field::Call, call);
        m_session->SetFieldText(Field::Time, "12:00");
        m_session->SetFieldText(Field::ExchangeSent, "14");
        m_session->SetFieldText(Field::ExchangeReceived, "05");
        (void)m_session->SaveContact();
    }
    m_window = std::make_unique<CLoggerDlg>(*m_session, FixedClock);
    m_window->Start();
}

void AfterContestDialogTest::F8OpensTheDialog() {
    OpenWindow({});
    std::optional<Dialog> opened;
    m_window->openDialog = [&opened](Dialog dialog) {
        opened = dialog;
        return false;
    };
    QTest::keyClick(m_window->EntryRow().Edit(Field::Call), Qt::Key_F8);
    QCOMPARE(opened == Dialog::AfterContest, true);
}

void AfterContestDialogTest::CheckAndExportsAnswerInTheDialog() {
    OpenWindow({"W1AW", "W1AW"});
    CAfterContestDialog dialog(*m_window, *m_settings, FixedClock);
    dialog.Action("Check the log")->click();
    QVERIFY2(dialog.Answer().contains("line 16: duplicate of line 15: W1AW on 20 m CW"), qPrintable(dialog.Answer()));
    QVERIFY(dialog.Answer().endsWith("findings, 2 contacts"));
    dialog.Action("Export Cabrillo 3.0 log")->click();
    QVERIFY(std::filesystem::exists(Folder() / "DL1XYZ-CQ-WW-CW.log"));
    QVERIFY(dialog.Answer().startsWith("2 contacts written to "));
    dialog.Action("Export ADIF of the contest")->click();
    QVERIFY(std::filesystem::exists(Folder() / "DL1XYZ-CQ-WW-CW.adi"));
}

void AfterContestDialogTest::ImportsTakeTheChosenFiles() {
    OpenWindow({});
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
    OpenWindow({});
    CAfterContestDialog dialog(*m_window, *m_settings, FixedClock);
    QString placeholder;
    QTimer::singleShot(50, [&placeholder] {
        auto* settings = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(settings != nullptr);
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

void AfterContestDialogTest::BothDialogsShowEveryTextWhole() {
    OpenWindow({"W1AW", "W1AW"});
    CAfterContestDialog dialog(*m_window, *m_settings, FixedClock);
    dialog.Action("Check the log")->click();
    VerifyTextsWhole(dialog, "after_contest_dialog.png");
    QTimer::singleShot(50, [] {
        auto* settings = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(settings != nullptr);
        VerifyTextsWhole(*settings, "submission_dialog.png");
        settings->reject();
    });
    dialog.Action("Log for the sponsor: categories, details...")->click();
}

}  // namespace tallyhawk

QTEST_MAIN(tallyhawk::AfterContestDialogTest)
#include "after_contest_dialog_test.moc"
