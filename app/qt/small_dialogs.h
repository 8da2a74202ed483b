// The main window's small dialogs: message boxes of the session, the exit confirmation, the about box,
// and the program's icon.
#pragma once

#include <QIcon>
#include <QWidget>

#include "core/message.h"

namespace tallyhawk {

// A message box with an OK button, title and text in the language of the settings.
void ShowMessage(QWidget* parent, const Message& message, bool russian);

// True when the operator confirms leaving the program (the right-hand button).
bool ConfirmExit(QWidget* parent);

void ShowAbout(QWidget* parent);

// Drawn, not loaded: a rounded square in the skin colour with the program's initial.
QIcon TallyhawkIcon();

}  // namespace tallyhawk
