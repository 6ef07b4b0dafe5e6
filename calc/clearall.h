#pragma once

#include "calc/windowsystem.h"
#include "state/calculatorstate.h"

namespace korvo {

// Empties the entry and the pending state and zeroes the current number,
// keeping the memory and every mode.
void clearAll(CalculatorState& s, WindowSystem& ws);

// A paste that is no number of the base, or too long for the entry: the
// calculator is cleared and the paste message says so.
void refusePaste(CalculatorState& s, WindowSystem& ws);

// The calculator as it starts: the readout shows the current number, 0.
void showStartReadout(CalculatorState& s, WindowSystem& ws);

}  // namespace korvo
