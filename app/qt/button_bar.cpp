// CButtonBar: the buttons of the main window in one row, the window's own ones (Hide, Close) at the right.
#include "app/qt/button_bar.h"

#include <QHBoxLayout>
#include <array>
#include <string_view>

#include "app/qt/qt_conversions.h"

namespace tallyhawk {
namespace {

struct ButtonLook {
    Button button;
    std::string_view text;
    std::string_view tooltipEnglish;
    std::string_view tooltipRussian;
};

constexpr std::array<ButtonLook, 10> kButtons = {{
    {Button::Save, QT_TR_NOOP("Save"), "Save current QSO", "Сохранить текущее QSO"},
    {Button::Reload, QT_TR_NOOP("Reload"), "Refresh Database", "Перегрузка базы данных"},
    {Button::Files, QT_TR_NOOP("Files"), "Import/Export Files and Database",
     "Конвертация файлов и создание базы позывных"},
    {Button::Contest, QT_TR_NOOP("Contest"), "Date, band, mode, contest settings",
     "Установка даты, диапазона, вида излучения"},
    {Button::Personal, QT_TR_NOOP("Personal"), "Personal settings", "Персональные установки"},
    {Button::Colors, QT_TR_NOOP("Colors"), "Customize colors", "Выбор цветов"},
    {Button::Config, QT_TR_NOOP("Config"), "Settings", "Установки программы"},
    {Button::About, QT_TR_NOOP("About"), "", ""},
    {Button::Hide, QT_TR_NOOP("Hide"), "", ""},
    {Button::Close, QT_TR_NOOP("Close"), "", ""},
}};

}  // namespace

CButtonBar::CButtonBar(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (const ButtonLook& look : kButtons) {
        if (look.button == Button::About) layout->addStretch(1);
        auto* button = new QPushButton(tr(look.text.data()), this);
        button->setObjectName(ToQString(look.text));
        // Clicking a button leaves the keyboard in the entry row.
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, id = look.button] { emit pressed(id); });
        layout->addWidget(button);
        m_buttons[look.button] = button;
    }
    SetLanguage(false);
}

void CButtonBar::SetLanguage(bool russian) {
    for (const ButtonLook& look : kButtons) {
        m_buttons[look.button]->setToolTip(ToQString(russian ? look.tooltipRussian : look.tooltipEnglish));
    }
}

}  // namespace tallyhawk
