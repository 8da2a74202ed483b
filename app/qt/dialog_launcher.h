// Opens the settings dialogs of the main window. Each writes the settings store; the contest setup and
// configuration dialogs then send their settings message to the window, and after the colours dialog
// the window takes its colours from the store again.
#pragma once

#include "app/qt/logger_dlg.h"
#include "app/session/settings_backend.h"

namespace tallyhawk {

void OpenSettingsDialog(Dialog dialog, CLoggerDlg& window, SettingsBackend& store, const Clock& clock);

}  // namespace tallyhawk
