// The one procedure that turns a keypad key into calculator work.
#pragma once

#include <cstdint>

#include "calc/windowsystem.h"
#include "state/calculatorstate.h"

namespace korvo {

// A click on the key `commandId` (200..244). When the entry field has handed
// over a key (pendingKeyCommand non-zero) that id is taken instead and the
// focus goes back to the main window.
void dispatchKeypadCommand(CalculatorState& s, WindowSystem& ws, std::uint32_t commandId);

}  // namespace korvo
