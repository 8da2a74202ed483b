// The Files dialog (F6) end to end on files other programs wrote: a Cabrillo log converted to ADIF, an
// ADIF file imported into the logbook and shown as a call's history, a rejected file told in the
// operator's language; and after the contest: the files for the sponsor and LoTW, the check, and any
// logger's ADIF that the checked import refuses.
#include "app/qt/files_dialog.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "app/qt/tests/window_fixture.h"

namespace tallyhawk {

using namespace testing;

class FilesDialogTest : public WindowTest {
    Q_OBJECT
public:
    FilesDialogTest() : WindowTest(Settings::TypedTime) {}

private slots:
    void ARealCabrilloLogBecomesAdifBesideIt();
    void ARealAdifFileFillsTheCallHistory();
    void ARejectedFileIsToldInTheOperatorsLanguage();
    void TheExportsGoIntoTheProgramFolderAndSayWhere();
    void TheCheckListsTheFaultsOfTheLog();
    void AnyLoggersAdifFillsTheLogbookTheCheckedImportRefuses();

private:
    // A file of the shared real data copied into exports/ of the program folder.
    std::filesystem::path Export(const char* realFile, const char* name);
    // Opens the dialog with F6, runs `use` on it with `chosen` as every file choice, then closes it.
    void UseFilesDialog(const std::filesystem::path& chosen, std::function<void(CFilesDialog&)> use);
};

std::filesystem::path FilesDialogTest::Export(const char* realFile, const char* name) {
    std::filesystem::create_directories(Folder() / "exports");
    const auto copy = Folder() / "exports" / name;
    std::filesystem::copy_file(std::filesystem::path(TALLYHAWK_REALDATA) / realFile, copy);
    std::filesystem::permissions(copy, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    return copy;
}

void FilesDialogTest::UseFilesDialog(const std::filesystem::path& chosen,
                                     std::function<void(CFilesDialog&)> use) {
    bool used = false;
    QTimer::singleShot(10, [&used, chosen, use] {
        auto* files = qobject_cast<CFilesDialog*>(QApplication::activeModalWidget());
        QVERIFY(files);
        files->chooseFile = [chosen](QWidget*, const QString&, const QString&, const QString&) {
            return QString::fromStdString(chosen.string());
        };
        use(*files);
        used = true;
        files->accept();
    });
    QTest::keyClick(Edit(Field::Call), Qt::Key_F6);
    QVERIFY(used);
}

void FilesDialogTest::ARealCabrilloLogBecomesAdifBesideIt() {
    SKIP_WITHOUT_REAL_DATA();
    const auto log = Export("cabrillo/kd4d_2024_cq-ww-cw_k3lr_wintest.log", "k3lr.log");
    OpenWindow();
    UseFilesDialog(log, [](CFilesDialog& files) {
        QVERIFY(!files.ButtonFor("convert").isVisible());
        files.ButtonFor("cabrilloSource").click();
        QVERIFY(files.ButtonFor("convert").isVisible());
        QCOMPARE(files.StatusText(), QString());
        files.ButtonFor("convert").click();
        QCOMPARE(files.StatusText(), QString("Complete          "));
    });
    const std::string adif = ReadText(Folder() / "exports" / "Convert.adi");
    QVERIFY(adif.starts_with("<EOH>\r\n"));
    QCOMPARE(QString::fromStdString(adif).count("<EOR>"), 1980);
    // This log's columns are not the fixed ones the converter reads; the call and band still come through.
    QVERIFY(adif.find("\r\n<CALL:4>AF0E <QSO_DATE:8>") != std::string::npos);
    QVERIFY(adif.find("<BAND:3>20M <RST_SENT:") != std::string::npos);
    QVERIFY(!std::filesystem::exists(Folder() / "Convert.adi"));
}

void FilesDialogTest::ARealAdifFileFillsTheCallHistory() {
    SKIP_WITHOUT_REAL_DATA();
    const auto adif = Export("adif/ham2k_ki2d-n1mm.adi", "ki2d.adi");
    OpenWindow();
    UseFilesDialog(adif, [](CFilesDialog& files) {
        files.ButtonFor("importFile").click();
        QVERIFY(!files.ButtonFor("convert").isVisible());  // an import file is no conversion source
        files.ButtonFor("import").click();
        QCOMPARE(files.StatusText(), QString("Complete          "));
    });
    QCOMPARE(std::filesystem::file_size(Folder() / "database" / "Logbook.idx"), 25u * 10u);
    QApplication::setActiveWindow(m_window.get());  // the offscreen platform does not give it back itself
    QTRY_VERIFY(Edit(Field::Call)->hasFocus());     // the window put the keyboard back in the entry row
    QTest::keyClicks(Edit(Field::Call), "OK7PN");
    QTest::keyClick(Edit(Field::Call), Qt::Key_Tab);
    QStringList history;
    for (int column = 0; column < 4; ++column) history << m_window->LookupView().CellText(1, column);
    QCOMPARE(history, QStringList({"2022-02-19", "13:07", "20", "CW"}));
}

void FilesDialogTest::ARejectedFileIsToldInTheOperatorsLanguage() {
    SKIP_WITHOUT_REAL_DATA();
    m_settings->WriteInt(kSettingsGroup, "Language", 1);
    const auto broken = Export("adif/diablowu_jtdx_wsjtx_log.adi", "wsjtx.adi");
    OpenWindow();
    QString told;
    UseFilesDialog(broken, [&told](CFilesDialog& files) {
        files.ButtonFor("adifSource").click();
        AnswerNextBox("OK", [&told](const QString& text) { told = text; });
        files.ButtonFor("convert").click();
        QCOMPARE(files.StatusText(), QString("Checking ..."));
    });
    QVERIFY2(told.startsWith("Некоторые данные "), qPrintable(told));
    QVERIFY(!std::filesystem::exists(Folder() / "exports" / "Convert.cbr"));
}

void FilesDialogTest::TheExportsGoIntoTheProgramFolderAndSayWhere() {
    LogContacts({"W1AW", "DL1ABC", "JA1XYZ"});
    OpenWindow();
    const struct {
        const char* button;
        const char* file;
        const char* firstLine;
    } exports[] = {
        {"exportCabrillo", "UA1AAA-CQ-WPX-CW.log", "START-OF-LOG: 3.0\r\n"},
        {"exportAdif", "UA1AAA-CQ-WPX-CW.adi", "Tallyhawk ADIF export\r\n<ADIF_VER:5>3.1."},
    };
    for (const auto& expected : exports) {
        QString answer;
        UseFilesDialog({}, [&answer, &expected](CFilesDialog& files) {
            QVERIFY(!files.findChild<QPlainTextEdit*>("answer")->isVisible());
            files.ButtonFor(expected.button).click();
            QVERIFY(files.findChild<QPlainTextEdit*>("answer")->isVisible());
            answer = files.AnswerText();
            QCOMPARE(files.StatusText(), QString());  // the specified status line stays as it was
        });
        const auto written = Folder() / expected.file;
        QCOMPARE(answer, QString("3 contacts written to %1").arg(QString::fromStdString(written.string())));
        QVERIFY2(ReadText(written).starts_with(expected.firstLine), expected.file);
    }
}

void FilesDialogTest::TheCheckListsTheFaultsOfTheLog() {
    LogContacts({"W1AW", "DL1ABC", "JA1XYZ"});
    OpenWindow();
    QString answer;
    UseFilesDialog({}, [&answer](CFilesDialog& files) {
        files.ButtonFor("check").click();
        answer = files.AnswerText();
    });
    // Logged in February, far from the contest's weekend in May; and the sponsor's power category is unset.
    const QStringList lines = answer.split('\n');
    QCOMPARE(lines.size(), 6);
    QVERIFY2(lines.first().startsWith("header: CATEGORY-POWER is empty; CQ-WPX-CW requires it"), qPrintable(answer));
    QCOMPARE(lines[4], QString("line 17: outside the contest period 2002-05-25 0000 2002-05-27 0000"));
    QCOMPARE(lines.last(), QString("5 findings, 3 contacts"));
}

void FilesDialogTest::AnyLoggersAdifFillsTheLogbookTheCheckedImportRefuses() {
    SKIP_WITHOUT_REAL_DATA();
    const auto wsjtx = Export("adif/diablowu_jtdx_wsjtx_log.adi", "wsjtx.adi");  // "<eoh>", "<eor>"
    OpenWindow();
    QString refusal;
    UseFilesDialog(wsjtx, [&refusal](CFilesDialog& files) {
        files.ButtonFor("importFile").click();
        QVERIFY(!files.AnyAdifChoice().isChecked());  // the checked import is the default
        AnswerNextBox("OK", [&refusal](const QString& text) { refusal = text; });
        files.ButtonFor("import").click();
        QVERIFY(files.AnswerText().isEmpty());
        files.AnyAdifChoice().setChecked(true);
        files.ButtonFor("import").click();
        QCOMPARE(files.StatusText(), QString("Complete          "));
        QCOMPARE(files.AnswerText(), QString("1999 records read, 1999 in the logbook, 0 without a call left out."));
    });
    QVERIFY(!refusal.isEmpty());
    QCOMPARE(std::filesystem::file_size(Folder() / "database" / "Logbook.idx"), 1999u * 10u);
}

}  // namespace tallyhawk

QTEST_MAIN(tallyhawk::FilesDialogTest)
#include "files_dialog_test.moc"
