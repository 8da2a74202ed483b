// CButtonBar: the buttons of the main window in one row, the window's own ones (Hide, Close) at the right.
#include "app/qt/button_bar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <array>

namespace tallyhawk {
namespace {

struct ButtonLook {
    Button button;
    const char* name;     // the object name, the same in every language
    const char* text;     // translated
    const char* tooltip;  // translated; empty: none
};

constexpr std::array<ButtonLook, 10> kButtons = {{
    {Button::Save, "Save", QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Save"),
     QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Save current QSO")},
    {Button::Reload, "Reload", QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Reload"),
     QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Refresh Database")},
    {Button::Files, "Files", QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Files"),
     QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Import/Export Files and Database")},
    {Button::Contest, "Contest", QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Contest"),
     QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Date, band, mode, contest settings")},
    {Button::Personal, "Personal", QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Personal"),
     QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Personal settings")},
    {Button::Colors, "Colors", QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Colors"),
     QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Customize colors")},
    {Button::Config, "Config", QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Config"),
     QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Settings")},
    {Button::About, "About", QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "About"), ""},
    {Button::Hide, "Hide", QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Hide"), ""},
    {Button::Close, "Close", QT_TRANSLATE_NOOP("tallyhawk::CButtonBar", "Close"), ""},
}};

}  // namespace

CButtonBar::CButtonBar(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (const ButtonLook& look : kButtons) {
        if (look.button == Button::About) layout->addStretch(1);
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(look.name));
        // Clicking a button leaves the keyboard in the entry row.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, id = look.button] { emit pressed(id); });
        layout->addWidget(button);
        m_buttons[look.button] = button;
    }
    Retranslate();
}

void CButtonBar::Retranslate() {
    for (const ButtonLook& look : kButtons) {
        m_buttons[look.button]->setText(tr(look.text));
        m_buttons[look.button]->setToolTip(*look.tooltip ? tr(look.tooltip) : QString());
    }
}

void CButtonBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

}  // namespace tallyhawk
