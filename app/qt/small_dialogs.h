// The main window's small dialogs: message boxes of the session and the exit confirmation.
#pragma once

#include <QWidget>

#include "core/message.h"

namespace tallyhawk {

// A message box with an OK button, title and text in the language of the settings.
void ShowMessage(QWidget* parent, const Message& message, bool russian);

// True when the operator confirms leaving the program (the right-hand button).
bool ConfirmExit(QWidget* parent);

}  // namespace tallyhawk
