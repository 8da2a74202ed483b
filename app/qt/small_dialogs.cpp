// The main window's small dialogs and the program's icon.
#include "app/qt/small_dialogs.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "app/qt/qt_conversions.h"

namespace tallyhawk {
void ShowMessage(QWidget* parent, const Message& message, bool russian) {
    QMessageBox box(QMessageBox::Warning, ToQString(MessageTitle(message, russian)),
                    ToQString(MessageText(message, russian)), QMessageBox::Ok, parent);
    box.exec();
}

bool ConfirmExit(QWidget* parent) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tallyhawk"),
                    QCoreApplication::translate("tallyhawk::SmallDialogs", "Exit Tallyhawk?"),
                    QMessageBox::NoButton, parent);
    // Cancel on the left, confirm on the right, whatever the platform's usual order.
    box.addButton(QCoreApplication::translate("tallyhawk::SmallDialogs", "Cancel"), QMessageBox::RejectRole);
    QPushButton* exit = box.addButton(QCoreApplication::translate("tallyhawk::SmallDialogs", "Exit"),
                                      QMessageBox::AcceptRole);
    box.setDefaultButton(exit);
    box.exec();
    return box.clickedButton() == exit;
}

void ShowAbout(QWidget* parent) {
    QMessageBox::about(
        parent, QCoreApplication::translate("tallyhawk::SmallDialogs", "About Tallyhawk"),
        QCoreApplication::translate("tallyhawk::SmallDialogs",
                                    "Tallyhawk 1.3\n\nA logging program for amateur-radio HF contests:\n"
                                    "twenty contests, six bands, CW, Phone, RTTY and PSK."));
}

QIcon TallyhawkIcon() {
    constexpr int kSize = 64;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(kSkinColor);
    painter.setPen(QPen(QColor(0, 0, 50), 3));
    painter.drawRoundedRect(QRectF(2, 2, kSize - 4, kSize - 4), 14, 14);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(44);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 0));
    painter.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("T"));
    return QIcon(pixmap);
}

}  // namespace tallyhawk
