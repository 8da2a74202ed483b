// CGridCtrl: the grid behind the log view, the history view and the score grid. Row 0 is the header in
// the fixed-cell colours; the rows under it are data cells, each with its own text and background.
#pragma once

#include <QColor>
#include <QString>
#include <QTableWidget>
#include <vector>

namespace tallyhawk {

struct GridColors {
    QColor back, text;            // data cells
    QColor fixedBack, fixedText;  // the header row
    int style = 2;                // "GridStyle": 0 no lines, otherwise lines between cells
};

class CGridCtrl : public QTableWidget {
    Q_OBJECT
public:
    explicit CGridCtrl(QWidget* parent = nullptr);

    void SetColors(const GridColors& colors);
    void SetFontPixelSize(int pixels);
    // Column widths in pixels; the grid keeps room for `visibleRows` rows (header included) and scrolls
    // when it holds more.
    void SetLayout(const std::vector<int>& widths, int visibleRows);
    // Every row, the header first; cells take the normal colours, centred when asked.
    void ShowRows(const std::vector<std::vector<QString>>& rows, bool centred = false);
    void SetCellBackground(int row, int column, const QColor& color);

    QString CellText(int row, int column) const;
    QColor CellBackground(int row, int column) const;

    static constexpr int kRowHeight = 18;

private:
    QTableWidgetItem* Cell(int row, int column);
    void FitSize();

    GridColors m_colors;
    int m_visibleRows = 1;
};

}  // namespace tallyhawk
