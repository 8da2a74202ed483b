// The main window's small dialogs.
#include "app/qt/small_dialogs.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt/qt_conversions.h"
#include "app/qt/skin.h"

namespace tallyhawk {

void ShowMessage(QWidget* parent, const Message& message, bool russian) {
    QMessageBox box(QMessageBox::Warning, ToQString(MessageTitle(message, russian)),
                    ToQString(MessageText(message, russian)), QMessageBox::Ok, parent);
    box.exec();
}

// Cancel on the left, confirm on the right, whatever the platform's usual order of buttons.
bool ConfirmExit(QWidget* parent) {
    CSkinDialog box(parent);
    box.setObjectName(QStringLiteral("exitConfirmation"));
    box.setWindowTitle(QStringLiteral("Tallyhawk"));
    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(24, 16, 24, 14);
    layout->setSpacing(14);
    auto* question =
        new QLabel(QCoreApplication::translate("tallyhawk::SmallDialogs", "Exit Tallyhawk?"), &box);
    QFont font = question->font();
    font.setPixelSize(15);
    font.setBold(true);
    question->setFont(font);
    question->setAlignment(Qt::AlignCenter);
    layout->addWidget(question);
    auto* buttons = new QHBoxLayout;
    auto* cancel = new QPushButton(QCoreApplication::translate("tallyhawk::SmallDialogs", "Cancel"), &box);
    auto* exit = new QPushButton(QCoreApplication::translate("tallyhawk::SmallDialogs", "Exit"), &box);
    exit->setDefault(true);
    QObject::connect(cancel, &QPushButton::clicked, &box, &QDialog::reject);
    QObject::connect(exit, &QPushButton::clicked, &box, &QDialog::accept);
    buttons->addWidget(cancel);
    buttons->addSpacing(24);
    buttons->addWidget(exit);
    layout->addLayout(buttons);
    return box.exec() == QDialog::Accepted;
}

}  // namespace tallyhawk
