// What screen readers call the window's controls and say about them.
#pragma once

#include "app/windowcontrols.h"

namespace korvo::app {

// Names and descriptions for the controls whose own texts say too little
// (the keypad keys are named where they are made), once their shortcuts
// are described.
void nameControls(const WindowControls& c, QWidget* mainWindowFocus);

}  // namespace korvo::app
