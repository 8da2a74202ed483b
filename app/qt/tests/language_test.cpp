// The window's language: English or Russian by the Language setting, switched at once by the
// configuration dialog, in the window, the dialogs open at the time, the tray menu and the session's
// messages; in Russian no English text is left.
#include "app/qt/language.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "app/qt/colors_dialog.h"
#include "app/qt/configuration_dialog.h"
#include "app/qt/contest_dialog.h"
#include "app/qt/personal_dialog.h"
#include "app/qt/tests/window_fixture.h"

namespace tallyhawk {

using namespace testing;

namespace {

// Ticks or clears the Russian mark of the next configuration dialog (F7), then presses its OK button.
void ChooseLanguage(QWidget& window, bool russian) {
    FillNextDialog([russian](QDialog& configuration) {
        configuration.findChild<QCheckBox*>("Russian")->setChecked(russian);
    });
    QTest::keyClick(&window, Qt::Key_F7);
}

// The texts a person reads on a widget and its children: labels, buttons, titles, tooltips, items.
QStringList VisibleTexts(const QWidget& widget) {
    QStringList texts{widget.windowTitle(), widget.toolTip()};
    for (const QLabel* label : widget.findChildren<QLabel*>()) texts << label->text() << label->toolTip();
    for (const QAbstractButton* button : widget.findChildren<QAbstractButton*>())
        texts << button->text() << button->toolTip();
    for (const QComboBox* choice : widget.findChildren<QComboBox*>()) {
        for (int item = 0; item < choice->count(); ++item) texts << choice->itemText(item);
    }
    if (const auto* menu = qobject_cast<const QMenu*>(&widget)) {
        for (const QAction* action : menu->actions()) texts << action->text();
    }
    return texts;
}

// English words left in a Russian screen: a text with a word of lower-case Latin letters and no
// Cyrillic at all. Codes (CW, RTTY, QSO, UTC, CQ WW DX) are upper case and pass, and so does the
// program's name.
QStringList EnglishTexts(const QWidget& widget) {
    static const QRegularExpression englishWord(QStringLiteral("[a-z]{3,}"));
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    static const QRegularExpression name(QStringLiteral("tallyhawk(-cli)?"),
                                         QRegularExpression::CaseInsensitiveOption);
    QStringList english;
    for (const QString& text : VisibleTexts(widget)) {
        if (QString(text).remove(name).contains(englishWord) && !text.contains(cyrillic)) english << text;
    }
    return english;
}

// The label of the form row that holds the field named `field`.
QString LabelOf(const QWidget& dialog, const char* field) {
    const auto* form = dialog.findChild<QFormLayout*>();
    const auto* label = qobject_cast<QLabel*>(form->labelForField(dialog.findChild<QWidget*>(field)));
    return label ? label->text() : QString();
}

}  // namespace

class LanguageTest : public QObject, public WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() { SetTranslationsFolder(TALLYHAWK_TRANSLATIONS); }
    void init();
    void cleanup();
    void ConfigurationDialogSwitchesTheWindowTheOpenDialogsAndTheMessagesAtOnce();
    void NoEnglishIsLeftInRussian();

private:
    void OpenWindow(bool russian);
    void SaveScreenshot(QWidget& widget, const QString& name);
};

void LanguageTest::init() {
    SetUpFolder();
    WriteSettings(false);
}

void LanguageTest::cleanup() {
    TearDownFolder();
    ApplyLanguage(false);
}

void LanguageTest::OpenWindow(bool russian) {
    m_settings->WriteInt(kSettingsGroup, "Language", russian ? 1 : 0);
    WindowFixture::OpenWindow();
}

// TALLYHAWK_SCREENSHOTS=DIR keeps a picture of each screen, to look at the longer Russian texts.
void LanguageTest::SaveScreenshot(QWidget& widget, const QString& name) {
    if (!qEnvironmentVariableIsSet("TALLYHAWK_SCREENSHOTS")) return;
    widget.adjustSize();
    widget.grab().save(qEnvironmentVariable("TALLYHAWK_SCREENSHOTS") + "/" + name + ".png");
}

// English, Russian and English again: the button tooltips are the program's texts in each language, and
// the window, its captions, the session's messages and a dialog open at the time follow at once.
void LanguageTest::ConfigurationDialogSwitchesTheWindowTheOpenDialogsAndTheMessagesAtOnce() {
    const struct {
        Button button;
        const char* english;
        const char* russian;
    } tooltips[] = {
        {Button::Save, "Save current QSO", "Сохранить текущее QSO"},
        {Button::Reload, "Refresh Database", "Перегрузка базы данных"},
        {Button::Files, "Import/Export Files and Database", "Конвертация файлов и создание базы позывных"},
        {Button::Contest, "Date, band, mode, contest settings", "Установка даты, диапазона, вида излучения"},
        {Button::Personal, "Personal settings", "Персональные установки"},
        {Button::Colors, "Customize colors", "Выбор цветов"},
        {Button::Config, "Settings", "Установки программы"},
        {Button::About, "", ""},
        {Button::Hide, "", ""},
        {Button::Close, "", ""},
    };
    OpenWindow(false);
    auto* claimed = m_window->findChild<QLabel*>("scoreCaption");
    CContestDialog contest(*m_settings, FixedClock, m_window.get());
    contest.show();
    auto* mode = contest.findChild<QComboBox*>("Mode");
    for (const bool russian : {false, true, false}) {
        if (russian != m_session->Russian()) ChooseLanguage(*m_window, russian);
        QCOMPARE(m_session->Russian(), russian);  // the session's message boxes follow too
        QCOMPARE(m_settings->ReadInt(kSettingsGroup, "Language"), std::optional<std::int32_t>(russian ? 1 : 0));
        for (const auto& tooltip : tooltips) {
            QCOMPARE(m_window->Buttons().ButtonFor(tooltip.button)->toolTip(),
                     QString::fromUtf8(russian ? tooltip.russian : tooltip.english));
        }
        QVERIFY(contest.isVisible());
        const QStringList expected = russian ? QStringList{"Заявленный результат", "Контест", "Вид излучения", "Телефон"}
                                             : QStringList{"Claimed score", "Contest", "Mode", "Phone"};
        QCOMPARE(QStringList({claimed->text(), contest.windowTitle(), LabelOf(contest, "Mode"), mode->itemText(1)}),
                 expected);
        if (!russian) continue;
        QVERIFY2(EnglishTexts(*m_window).isEmpty(), qPrintable(EnglishTexts(*m_window).join(" | ")));
        QVERIFY2(EnglishTexts(contest).isEmpty(), qPrintable(EnglishTexts(contest).join(" | ")));
    }
    // What the dialog stores stays the same in every language.
    ChooseLanguage(*m_window, true);
    mode->setCurrentIndex(1);
    contest.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(m_settings->ReadString(kSettingsGroup, "Mode"), std::optional<std::string>("Phone"));
}

void LanguageTest::NoEnglishIsLeftInRussian() {
    OpenWindow(true);
    QVERIFY(m_session->Russian());
    SaveScreenshot(*m_window, "window");
    QVERIFY2(EnglishTexts(*m_window).isEmpty(), qPrintable(EnglishTexts(*m_window).join(" | ")));
    QVERIFY2(EnglishTexts(m_window->TrayMenu()).isEmpty(), "the tray menu");
    QStringList exitBox{QStringLiteral("no box")};
    QTimer::singleShot(10, [&exitBox] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        exitBox = EnglishTexts(*box);
        box->reject();
    });
    m_window->Buttons().ButtonFor(Button::Close)->click();
    QVERIFY2(exitBox.isEmpty(), qPrintable(exitBox.join(" | ")));
    QVERIFY(m_window->isVisible());
    CContestDialog contest(*m_settings, FixedClock, m_window.get());
    CPersonalDialog personal(*m_settings, m_window.get());
    CConfigurationDialog configuration(*m_settings, FixedClock(), m_window.get());
    CColorsDialog colors(*m_settings, m_window.get());
    const std::pair<QDialog*, const char*> dialogs[] = {{&contest, "contest"},
                                                        {&personal, "personal"},
                                                        {&configuration, "configuration"},
                                                        {&colors, "colors"}};
    for (const auto& [dialog, name] : dialogs) {
        dialog->show();
        SaveScreenshot(*dialog, name);
        QVERIFY2(EnglishTexts(*dialog).isEmpty(),
                 qPrintable(name + (": " + EnglishTexts(*dialog).join(" | "))));
        // A Russian label longer than its room would be cut: every row gets at least what it needs.
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(name + (": " + label->text())));
        }
    }
}

}  // namespace tallyhawk

QTEST_MAIN(tallyhawk::LanguageTest)
#include "language_test.moc"
