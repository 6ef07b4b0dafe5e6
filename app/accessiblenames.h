// What screen readers call the window's controls and say about them.
#pragma once

#include "app/windowcontrols.h"

class QAbstractButton;

namespace korvo::app {

// Names and descriptions for the controls whose own texts say too little
// (the keypad keys are named where they are made), once their shortcuts
// are described.
void nameControls(const WindowControls& c, QWidget* mainWindowFocus);

// Shows the button to screen readers as a radio button, one of a choice,
// whatever it looks like; before anything asks about it.
void exposeAsOneChoice(QAbstractButton* button);

}  // namespace korvo::app
