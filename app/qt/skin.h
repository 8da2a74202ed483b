// The program's own look: the skin colour with a rounded client area, drawn inside the platform's frame,
// and windows that move when their background is dragged.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QWidget>
#include <optional>

namespace tallyhawk {

// The skin palette: the skin colour behind everything, light text on it.
void ApplySkinPalette(QWidget& widget);

// The rounded client area in the skin colour, on a darker edge.
void PaintSkin(QWidget& widget);

// Moves a window while its background is dragged with the left button, with the move cursor shown.
class CBackgroundDrag {
public:
    void Press(QWidget& window, QMouseEvent& event);
    void Move(QWidget& window, QMouseEvent& event);
    void Release(QWidget& window);
    bool Dragging() const { return m_offset.has_value(); }

private:
    std::optional<QPoint> m_offset;  // from the window's corner to the pointer
};

// A dialog in the skin: rounded, moved by its background.
class CSkinDialog : public QDialog {
    Q_OBJECT
public:
    explicit CSkinDialog(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CBackgroundDrag m_drag;
};

}  // namespace tallyhawk
