// The three grids of the main window filled from the session's screen.
#include "app/qt/views.h"

#include <algorithm>

#include "app/qt/qt_conversions.h"
#include "database/call_history.h"

namespace tallyhawk {
namespace {

template <std::size_t N>
std::vector<QString> Headers(const std::array<GridColumn, N>& columns) {
    std::vector<QString> headers;
    for (const auto& column : columns) headers.push_back(ToQString(column.header));
    return headers;
}

template <std::size_t N>
std::vector<int> Widths(const std::array<GridColumn, N>& columns) {
    std::vector<int> widths;
    for (const auto& column : columns) widths.push_back(column.width);
    return widths;
}

template <typename Cells>
std::vector<QString> RowOf(const Cells& cells) {
    std::vector<QString> row;
    for (const auto& cell : cells) row.push_back(ToQString(cell));
    return row;
}

// Columns of a score grid that names no widths share the grid's room.
constexpr int kScoreColumnWidth = 60;
constexpr int kScoreVisibleRows = 7;

}  // namespace

QColor ColorSetting(const LoggerSession& session, ColorName setting) {
    return ToQColor(session.ColorValue(setting));
}

QColor ColorSetting(const LoggerSession& session, std::string_view setting) {
    return ToQColor(session.ColorValue(setting));
}

GridColors GridColorsOf(const LoggerSession& session) {
    return GridColors{
        .back = ColorSetting(session, color::kGridBackColor),
        .text = ColorSetting(session, color::kGridTextColor),
        .fixedBack = ColorSetting(session, color::kGridBackColorFix),
        .fixedText = ColorSetting(session, color::kGridTextColorFix),
        .selectedBack = ColorSetting(session, color::kGridBackColorSel),
        .selectedText = ColorSetting(session, color::kGridTextColorSel),
        .style = static_cast<GridStyle>(std::clamp(session.ColorValue(color::kGridStyle), 0, 3)),
    };
}

void SetupLogView(CGridCtrl& grid) {
    grid.SetLayout(Widths(kLogViewColumns), static_cast<int>(kLogViewRowCount) + 1);
}

void SetupLookupView(CGridCtrl& grid) {
    grid.SetFontPixelSize(10);  // a date fills the narrow date column
    grid.SetLayout(Widths(kLookupViewColumns), static_cast<int>(LookupViewRowCount(0)));
}

void ShowLogView(CGridCtrl& grid, const LoggerSession& session) {
    const LogViewRows& rows = session.CurrentScreen().logView;
    std::vector<std::vector<QString>> cells{Headers(kLogViewColumns)};
    for (const LogViewRow& row : rows) cells.push_back(RowOf(row.cells));
    grid.ShowRows(cells, true);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        grid.SetCellBackground(static_cast<int>(row) + 1, kLogCallColumn,
                               ColorSetting(session, rows[row].callColor));
    }
}

void ShowLookupView(CGridCtrl& grid, const LoggerSession& session) {
    const auto& history = session.CurrentScreen().lookupView;
    std::vector<std::vector<QString>> cells{Headers(kLookupViewColumns)};
    for (const LookupRow& row : history) cells.push_back(RowOf(row));
    cells.resize(std::max(cells.size(), LookupViewRowCount(history.size())));
    grid.ShowRows(cells, true);
}

void ShowScoreGrid(CGridCtrl& grid, const LoggerSession& session) {
    const ScoreGrid& score = session.CurrentScreen().scoreGrid;
    std::size_t columns = score.columnWidths.size();
    for (const ScoreRow& row : score.rows) columns = std::max(columns, row.cells.size());
    std::vector<int> widths = score.columnWidths;
    // A column without a width of its own is as wide as its header needs.
    for (std::size_t column = widths.size(); column < columns; ++column) {
        const bool headed = !score.rows.empty() && column < score.rows.front().cells.size();
        const int header =
            headed ? grid.fontMetrics().horizontalAdvance(ToQString(score.rows.front().cells[column])) : 0;
        widths.push_back(std::max(kScoreColumnWidth, header + 10));
    }
    grid.SetLayout(widths, kScoreVisibleRows);
    std::vector<std::vector<QString>> cells;
    for (const ScoreRow& row : score.rows) cells.push_back(RowOf(row.cells));
    grid.ShowRows(cells, score.centred);
    for (std::size_t row = 0; row < score.rows.size(); ++row) {
        if (const auto color = score.rows[row].labelColor)
            grid.SetCellBackground(static_cast<int>(row), 0, ToQColor(*color));
    }
}

}  // namespace tallyhawk
