// The calculator's message boxes ("KORVO CALCULATOR").
#pragma once

#include <string_view>

#include "calc/windowsystem.h"

namespace korvo::app {

// Shows a box with an OK button and returns when it is closed. A warning
// blocks the whole program; a note has no owner and leaves the main window
// usable while it is open.
void showMessageBox(std::string_view text, std::string_view caption, MessageKind kind);

}  // namespace korvo::app
