// The three grids of the main window filled from the session's screen: the log view, the history of a
// call (lookup view) and the score grid.
#pragma once

#include <vector>

#include "app/qt/grid_ctrl.h"
#include "app/session/logger_session.h"

namespace tallyhawk {

// The grid colours of the colour settings.
GridColors GridColorsOf(const LoggerSession& session);
QColor ColorSetting(const LoggerSession& session, ColorName setting);
QColor ColorSetting(const LoggerSession& session, std::string_view setting);  // 0 for an unknown name

// Columns and sizes of the three grids.
void SetupLogView(CGridCtrl& grid);
void SetupLookupView(CGridCtrl& grid);

void ShowLogView(CGridCtrl& grid, const LoggerSession& session);
void ShowLookupView(CGridCtrl& grid, const LoggerSession& session);
void ShowScoreGrid(CGridCtrl& grid, const LoggerSession& session);

}  // namespace tallyhawk
