// CGridCtrl: a read-only table without its own headers; the header is row 0, as the views lay it out.
#include "app/qt/grid_ctrl.h"

#include <QHeaderView>
#include <QScrollBar>

namespace tallyhawk {

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
    SetFontPixelSize(11);  // the column widths are those of a small grid font
}

void CGridCtrl::SetFontPixelSize(int pixels) {
    QFont small = font();
    small.setPixelSize(pixels);
    setFont(small);
}

void CGridCtrl::SetColors(const GridColors& colors) {
    m_colors = colors;
    setShowGrid(colors.style != 0);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, colors.back);
    palette.setColor(QPalette::Text, colors.text);
    setPalette(palette);
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

QString CGridCtrl::CellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

QColor CGridCtrl::CellBackground(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->background().color() : QColor();
}

}  // namespace tallyhawk
