// Opens the dialogs of the main window. The settings dialogs write the settings store; the contest
// setup and configuration dialogs then send their settings message to the window, and after the colours
// dialog the window takes its colours from the store again. The files dialog works on the session.
#pragma once

#include "app/qt/logger_dlg.h"
#include "app/session/settings_backend.h"

namespace tallyhawk {

// True when the dialog ended with OK.
bool OpenSettingsDialog(Dialog dialog, CLoggerDlg& window, SettingsBackend& store, const Clock& clock);

}  // namespace tallyhawk
