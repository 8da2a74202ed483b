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
    {Button::Save, "Save", "Save current QSO", "Сохранить текущее QSO"},
    {Button::Reload, "Reload", "Refresh Database", "Перегрузка базы данных"},
    {Button::Files, "Files", "Import/Export Files and Database",
     "Конвертация файлов и создание базы позывных"},
    {Button::Contest, "Contest", "Date, band, mode, contest settings",
     "Установка даты, диапазона, вида излучения"},
    {Button::Personal, "Personal", "Personal settings", "Персональные установки"},
    {Button::Colors, "Colors", "Customize colors", "Выбор цветов"},
    {Button::Config, "Config", "Settings", "Установки программы"},
    {Button::About, "About", "", ""},
    {Button::Hide, "Hide", "", ""},
    {Button::Close, "Close", "", ""},
}};

}  // namespace

CButtonBar::CButtonBar(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (const ButtonLook& look : kButtons) {
        if (look.button == Button::About) layout->addStretch(1);
        auto* button = new QPushButton(ToQString(look.text), this);
        button->setObjectName(button->text());
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
