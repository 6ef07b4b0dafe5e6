// Small steps every command shares: reading the entry field as a fixed-size
// buffer would, re-deriving the numbers from the entry, repainting the readout.
#pragma once

#include <cstddef>
#include <string>

#include "calc/windowsystem.h"
#include "state/calculatorstate.h"

namespace korvo {

// The entry field's text as a read into a buffer of `bufferSize` bytes
// gives it: at most bufferSize - 1 characters.
std::string readEntry(WindowSystem& ws, std::size_t bufferSize);

// Lays out the readout from the state and hands the picture to the window.
void repaintReadout(CalculatorState& s, WindowSystem& ws);

// Re-derives both numbers from entryText (at most its first 33 characters):
// parseNumber, parseReal, formatReal (the entry field keeps its text), then
// repaints the readout.
void refreshEntry(CalculatorState& s, WindowSystem& ws);

}  // namespace korvo
