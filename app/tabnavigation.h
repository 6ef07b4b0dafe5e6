// Tab and Shift+Tab move a focus mark through the entry, the switches, the
// buttons and the keypad, in reading order, and Space presses the marked key
// or switch. On a marked key or switch every other key means what it means
// with the focus on the main window; in the entry, what it means there.
#pragma once

#include "app/windowcontrols.h"

namespace korvo::app {

class KeyFlow;

void enableTabNavigation(const WindowControls& c, QWidget* mainWindowFocus, KeyFlow& flow);

}  // namespace korvo::app
