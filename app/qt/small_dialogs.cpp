// The main window's small dialogs.
#include "app/qt/small_dialogs.h"

#include <QMessageBox>
#include <QPushButton>

#include "app/qt/qt_conversions.h"

namespace tallyhawk {

void ShowMessage(QWidget* parent, const Message& message, bool russian) {
    QMessageBox box(QMessageBox::Warning, ToQString(MessageTitle(message, russian)),
                    ToQString(MessageText(message, russian)), QMessageBox::Ok, parent);
    box.exec();
}

bool ConfirmExit(QWidget* parent, bool russian) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tallyhawk"),
                    russian ? QStringLiteral("Выйти из программы?") : QStringLiteral("Exit Tallyhawk?"),
                    QMessageBox::NoButton, parent);
    // Cancel on the left, confirm on the right, whatever the platform's usual order.
    box.addButton(russian ? QStringLiteral("Отмена") : QStringLiteral("Cancel"), QMessageBox::RejectRole);
    QPushButton* exit =
        box.addButton(russian ? QStringLiteral("Выход") : QStringLiteral("Exit"), QMessageBox::AcceptRole);
    box.setDefaultButton(exit);
    box.exec();
    return box.clickedButton() == exit;
}

}  // namespace tallyhawk
