// The contact editor: a double click on a log-view row selects it and opens the contact; OK patches the
// log line and the contest index in place, refused fields come back, Delete asks first, and every change
// (a declined delete too) ends with the reload advice.
#include "app/qt/qso_edit_dialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/qt/tests/window_fixture.h"

namespace tallyhawk {

using namespace testing;

class EditDialogTest : public WindowTest {
    Q_OBJECT
public:
    EditDialogTest() : WindowTest(Settings::TypedTime) {}

private slots:
    void DoubleClickSelectsTheRowAndOkPatchesLogAndIndex();
    void CancelOrRefusedChangeNothingAndDeleteRemovesTheContact();

private:
    void DoubleClickRow(int row);
    QString LogLines() const;
    std::string Record(int number) const;
};

void EditDialogTest::DoubleClickRow(int row) {
    CGridCtrl& view = m_window->LogView();
    const QPoint cell = view.visualRect(view.model()->index(row, kLogCallColumn)).center();
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, cell);
}

// The QSO: lines of the log, one per line.
QString EditDialogTest::LogLines() const {
    QStringList lines;
    for (const QString& line : QString::fromStdString(ReadText(Folder() / "UA1AAA.cbr")).split("\r\n")) {
        if (line.startsWith("QSO:")) lines << line;
    }
    return lines.join('\n');
}

std::string EditDialogTest::Record(int number) const {
    return ReadText(Folder() / "database" / "UA1AAA.bdx")
        .substr(static_cast<std::size_t>(number - 1) * 140, 140);
}

void EditDialogTest::DoubleClickSelectsTheRowAndOkPatchesLogAndIndex() {
    LogContacts({"DL1AA", "DL2AA", "DL3AA", "DL4AA", "DL5AA"});
    OpenWindow();
    const auto logSize = std::filesystem::file_size(Folder() / "UA1AAA.cbr");
    int selected = -1;
    QString advice;
    FillNextDialog([this, &selected, &advice](QDialog& editor) {
        selected = m_window->LogView().SelectedRow();
        auto* time = editor.findChild<QLineEdit*>("UTC");
        QCOMPARE(time->text(), QString("12:00"));
        time->clear();
        QTest::keyClicks(time, "1235");  // the colon comes by itself
        QCOMPARE(time->text(), QString("12:35"));
        AnswerNextBox("OK", [&advice](const QString& text) { advice = text; });
    });
    DoubleClickRow(3);
    QCOMPARE(selected, 3);
    QVERIFY2(advice.startsWith("To take effect in statistics you must 'Reload' database."),
             qPrintable(advice));
    QCOMPARE(std::filesystem::file_size(Folder() / "UA1AAA.cbr"), logSize);
    QVERIFY(LogLines().split('\n')[2].contains(" 1235 UA1AAA        599 3      DL3AA "));
    QVERIFY(Record(3).starts_with("2002-02-16,1235,20,CW,3,5"));
    QCOMPARE(m_window->LogView().CellText(3, kLogUtcColumn), QString("12:35"));
    QCOMPARE(m_window->LogView().SelectedRow(), -1);
}

// Cancel closes without the advice and a declined delete still advises, both changing nothing; a refused
// field comes back as it was, and a confirmed delete removes the contact from the log, index and view.
void EditDialogTest::CancelOrRefusedChangeNothingAndDeleteRemovesTheContact() {
    LogContacts({"DL1AA", "DL2AA", "DL3AA"});
    OpenWindow();
    const QString before = LogLines();
    bool unexpectedBox = false;
    FillNextDialog([this, &unexpectedBox](QDialog& editor) {
        editor.findChild<QLineEdit*>("Call")->setText("DL9ZZ");
        editor.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        // A box still up a moment later is one too many.
        QTimer::singleShot(300, m_window.get(), [&unexpectedBox] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                unexpectedBox = true;
                box->close();
            }
        });
    });
    DoubleClickRow(2);
    QTest::qWait(400);
    QVERIFY(!unexpectedBox);
    QString advice;
    FillNextDialog([&advice](QDialog& editor) {
        AnswerNextBox("Cancel", [&advice](const QString&) {
            AnswerNextBox("OK", [&advice](const QString& next) { advice = next; });
        });
        editor.findChild<QPushButton*>("delete")->click();
    });
    DoubleClickRow(2);
    QVERIFY(advice.contains("'Reload'"));
    QCOMPARE(LogLines(), before);

    QString question;
    advice.clear();
    FillNextDialog([&question, &advice](QDialog& editor) {
        auto* mode = editor.findChild<QLineEdit*>("Mode");
        mode->setText("SSB");
        editor.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(editor.isVisible());
        QCOMPARE(mode->text(), QString("CW"));
        AnswerNextBox("OK", [&question, &advice](const QString& text) {
            question = text;
            AnswerNextBox("OK", [&advice](const QString& next) { advice = next; });
        });
        editor.findChild<QPushButton*>("delete")->click();
    });
    DoubleClickRow(1);
    QCOMPARE(question, QString("Are You Sure?"));
    QVERIFY(advice.contains("'Reload'"));
    QCOMPARE(LogLines().count("QSO:"), 2);
    QVERIFY(!LogLines().contains("DL1AA"));
    QCOMPARE(std::filesystem::file_size(Folder() / "database" / "UA1AAA.idx"), 28u);
    QCOMPARE(Column(kLogCallColumn), QStringList({"DL2AA", "DL3AA", "", "", "", "", ""}));
}

}  // namespace tallyhawk

QTEST_MAIN(tallyhawk::EditDialogTest)
#include "qso_edit_dialog_test.moc"
