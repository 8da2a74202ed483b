// The program's own look and the background drag.
#include "app/qt/skin.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "app/qt/qt_conversions.h"

namespace tallyhawk {
namespace {

constexpr qreal kCornerRadius = 20;
constexpr int kEdge = 3;

}  // namespace

void ApplySkinPalette(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, kSkinColor);
    palette.setColor(QPalette::WindowText, QColor(230, 230, 255));
    widget.setPalette(palette);
}

void PaintSkin(QWidget& widget) {
    QPainter painter(&widget);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(widget.rect(), kSkinColor.darker(150));
    painter.setPen(QPen(kSkinColor.lighter(125), 1.5));
    painter.setBrush(widget.palette().color(QPalette::Window));
    painter.drawRoundedRect(QRectF(widget.rect()).adjusted(kEdge, kEdge, -kEdge, -kEdge), kCornerRadius,
                            kCornerRadius);
}

// The window manager moves the window where it can; elsewhere (the offscreen platform, some Wayland
// compositors) the window follows the pointer itself.
void CBackgroundDrag::Press(QWidget& window, QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) return;
    event.accept();
    if (window.windowHandle() && window.windowHandle()->startSystemMove()) return;
    m_offset = event.globalPosition().toPoint() - window.frameGeometry().topLeft();
    window.setCursor(Qt::SizeAllCursor);
}

void CBackgroundDrag::Move(QWidget& window, QMouseEvent& event) {
    if (!m_offset || !(event.buttons() & Qt::LeftButton)) return;
    window.move(event.globalPosition().toPoint() - *m_offset);
    event.accept();
}

void CBackgroundDrag::Release(QWidget& window) {
    if (!m_offset) return;
    m_offset.reset();
    window.unsetCursor();
}

// The margin keeps the dialog's contents off its rounded corners.
CSkinDialog::CSkinDialog(QWidget* parent) : QDialog(parent) {
    ApplySkinPalette(*this);
    setContentsMargins(8, 6, 8, 6);
}

void CSkinDialog::paintEvent(QPaintEvent*) { PaintSkin(*this); }
void CSkinDialog::mousePressEvent(QMouseEvent* event) { m_drag.Press(*this, *event); }
void CSkinDialog::mouseMoveEvent(QMouseEvent* event) { m_drag.Move(*this, *event); }
void CSkinDialog::mouseReleaseEvent(QMouseEvent*) { m_drag.Release(*this); }

}  // namespace tallyhawk
