// CGridCtrl: a read-only table without its own headers; the header is row 0, as the views lay it out.
#include "app/qt/grid_ctrl.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace tallyhawk {
namespace {

QColor Mix(const QColor& color, const QColor& with, double share) {
    return QColor::fromRgbF(static_cast<float>(color.redF() * (1 - share) + with.redF() * share),
                            static_cast<float>(color.greenF() * (1 - share) + with.greenF() * share),
                            static_cast<float>(color.blueF() * (1 - share) + with.blueF() * share));
}

// Draws each cell itself: its background (or the selection colours), its text, and the edges the grid
// style asks for.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(const CGridCtrl& grid) : QStyledItemDelegate(const_cast<CGridCtrl*>(&grid)), m_grid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const GridColors& colors = m_grid.Colors();
        const bool selected = index.row() > 0 && index.row() == m_grid.SelectedRow();
        const QVariant background = index.data(Qt::BackgroundRole);
        const QColor back = selected ? colors.selectedBack : background.value<QBrush>().color();
        const QVariant foreground = index.data(Qt::ForegroundRole);
        const QColor text = selected ? colors.selectedText : foreground.value<QBrush>().color();
        painter->save();
        painter->fillRect(option.rect, back.isValid() ? back : colors.back);
        painter->setPen(text.isValid() ? text : colors.text);
        painter->setFont(option.font);
        const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        painter->drawText(option.rect.adjusted(3, 0, -3, 0), static_cast<int>(alignment),
                          index.data(Qt::DisplayRole).toString());
        DrawEdges(*painter, option.rect, back.isValid() ? back : colors.back);
        painter->restore();
    }

private:
    void DrawEdges(QPainter& painter, const QRect& cell, const QColor& back) const {
        const GridStyle style = m_grid.Colors().style;
        if (style == GridStyle::None) return;
        const QColor dark = Mix(back, Qt::black, 0.5);
        const QColor light = Mix(back, Qt::white, 0.55);
        const QColor topLeft = style == GridStyle::Raised ? light : dark;
        const QColor bottomRight = style == GridStyle::Raised ? dark : style == GridStyle::Inset ? light : dark;
        painter.setPen(bottomRight);
        painter.drawLine(cell.bottomLeft(), cell.bottomRight());
        painter.drawLine(cell.topRight(), cell.bottomRight());
        if (style == GridStyle::Flat) return;  // one line between neighbours
        painter.setPen(topLeft);
        painter.drawLine(cell.topLeft(), cell.topRight());
        painter.drawLine(cell.topLeft(), cell.bottomLeft());
    }

    const CGridCtrl& m_grid;
};

}  // namespace

CGridCtrl::CGridCtrl(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);  // the keyboard stays in the entry row
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setShowGrid(false);  // the cell delegate draws the lines of the grid style
    setItemDelegate(new CellDelegate(*this));
    SetFontPixelSize(11);  // the column widths are those of a small grid font
}

void CGridCtrl::SetFontPixelSize(int pixels) {
    QFont small = font();
    small.setPixelSize(pixels);
    setFont(small);
}

void CGridCtrl::SetColors(const GridColors& colors) {
    m_colors = colors;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, colors.back);
    palette.setColor(QPalette::Text, colors.text);
    setPalette(palette);
    viewport()->update();
}

void CGridCtrl::SetLayout(const std::vector<int>& widths, int visibleRows) {
    setColumnCount(static_cast<int>(widths.size()));
    for (int column = 0; column < columnCount(); ++column) setColumnWidth(column, widths[column]);
    m_visibleRows = visibleRows;
    FitSize();
}

void CGridCtrl::FitSize() {
    int width = 0;
    for (int column = 0; column < columnCount(); ++column) width += columnWidth(column);
    const int frame = 2 * frameWidth();
    const int scrollBar = verticalScrollBar()->sizeHint().width();
    // Room for the scroll bar only where more rows than the visible ones may come.
    setFixedSize(width + frame + (m_visibleRows < rowCount() ? scrollBar : 0),
                 m_visibleRows * kRowHeight + frame);
}

QTableWidgetItem* CGridCtrl::Cell(int row, int column) {
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled);
        setItem(row, column, cell);
    }
    return cell;
}

void CGridCtrl::ShowRows(const std::vector<std::vector<QString>>& rows, bool centred) {
    m_selectedRow = -1;
    setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const auto& cells = rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < columnCount(); ++column) {
            QTableWidgetItem* cell = Cell(row, column);
            const auto index = static_cast<std::size_t>(column);
            cell->setText(index < cells.size() ? cells[index] : QString());
            cell->setBackground(row == 0 ? m_colors.fixedBack : m_colors.back);
            cell->setForeground(row == 0 ? m_colors.fixedText : m_colors.text);
            cell->setTextAlignment(centred || row == 0 ? Qt::AlignCenter : Qt::AlignVCenter | Qt::AlignLeft);
        }
    }
    FitSize();
}

void CGridCtrl::SetCellBackground(int row, int column, const QColor& color) {
    if (row < rowCount() && column < columnCount()) Cell(row, column)->setBackground(color);
}

void CGridCtrl::SelectRow(int row) {
    m_selectedRow = row;
    viewport()->update();
}

QString CGridCtrl::CellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

QColor CGridCtrl::CellBackground(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->background().color() : QColor();
}

Qt::Alignment CGridCtrl::CellAlignment(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? Qt::Alignment(cell->textAlignment()) : Qt::Alignment();
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    const int row = rowAt(event->position().toPoint().y());
    if (row > 0) emit rowDoubleClicked(row);
    event->accept();
}

}  // namespace tallyhawk
