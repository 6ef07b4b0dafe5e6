// What screen readers call the window's controls and say about them.
#pragma once

#include <QAccessible>

#include "app/windowcontrols.h"

namespace korvo::app {

// Names and descriptions for the controls whose own texts say too little
// (the keypad keys are named where they are made), once their shortcuts
// are described.
void nameControls(const WindowControls& c, QWidget* mainWindowFocus);

// Shows the widget to screen readers in `role` whatever its class: Deg and
// Rad look like check boxes but are one choice (radio buttons), the
// indicators are read-only texts, not line edits.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

}  // namespace korvo::app
