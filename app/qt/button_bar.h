// CButtonBar: the buttons of the main window, each with its text and tooltip in the current language.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <map>

namespace tallyhawk {

enum class Button { Save, Reload, Files, Contest, Personal, Colors, Config, About, Hide, Close };

class CButtonBar : public QWidget {
    Q_OBJECT
public:
    explicit CButtonBar(QWidget* parent = nullptr);

    QPushButton* ButtonFor(Button button) const { return m_buttons.at(button); }

signals:
    void pressed(tallyhawk::Button button);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Retranslate();

    std::map<Button, QPushButton*> m_buttons;
};

}  // namespace tallyhawk
