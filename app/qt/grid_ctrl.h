// CGridCtrl: the grid behind the log view, the history view and the score grid. Row 0 is the header in
// the fixed-cell colours; the rows under it are data cells, each with its own text and background. The
// grid style draws the lines between cells: none, flat lines, or cells that look sunk in or raised.
#pragma once

#include <QColor>
#include <QString>
#include <QTableWidget>
#include <vector>

namespace tallyhawk {

enum class GridStyle { None = 0, Flat = 1, Inset = 2, Raised = 3 };

struct GridColors {
    QColor back, text;            // data cells
    QColor fixedBack, fixedText;  // the header row
    QColor selectedBack, selectedText;
    GridStyle style = GridStyle::Inset;
};

class CGridCtrl : public QTableWidget {
    Q_OBJECT
public:
    explicit CGridCtrl(QWidget* parent = nullptr);

    void SetColors(const GridColors& colors);
    const GridColors& Colors() const { return m_colors; }
    void SetFontPixelSize(int pixels);
    // Column widths in pixels; the grid keeps room for `visibleRows` rows (header included) and scrolls
    // when it holds more.
    void SetLayout(const std::vector<int>& widths, int visibleRows);
    // Every row, the header first; cells take the normal colours, centred when asked. The selection goes.
    void ShowRows(const std::vector<std::vector<QString>>& rows, bool centred = false);
    void SetCellBackground(int row, int column, const QColor& color);

    // A selected data row is drawn in the selection colours; -1 selects none.
    void SelectRow(int row);
    int SelectedRow() const { return m_selectedRow; }

    QString CellText(int row, int column) const;
    QColor CellBackground(int row, int column) const;
    Qt::Alignment CellAlignment(int row, int column) const;

    static constexpr int kRowHeight = 18;

signals:
    // A double click on a data row (1 = the first under the header).
    void rowDoubleClicked(int row);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QTableWidgetItem* Cell(int row, int column);
    void FitSize();

    GridColors m_colors;
    int m_visibleRows = 1;
    int m_selectedRow = -1;
};

}  // namespace tallyhawk
