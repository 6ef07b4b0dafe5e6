// Small steps every command shares: reading the entry field, re-deriving the
// numbers from the entry, repainting the readout.
#pragma once

#include <string>

#include "calc/windowsystem.h"
#include "state/calculatorstate.h"

namespace korvo {

// The entry field's whole text. A shown number is always read in full (a
// 128-digit binary result included): cutting it would change its value.
std::string readEntry(WindowSystem& ws);

// Lays out the readout from the state and hands the picture to the window.
void repaintReadout(CalculatorState& s, WindowSystem& ws);

// Re-derives both numbers from the whole entryText and writes the real
// (the entry field keeps its text), then repaints the readout.
void refreshEntry(CalculatorState& s, WindowSystem& ws);

// A number text whose digits are all zero without its minus: a result or a
// stored number of zero carries no sign ("-0" and "-0.000" become "0" and
// "0.000").
std::string withoutZeroSign(std::string text);

// The real's texts, which the readout shows in floating-point mode, lose a
// zero's sign as the entry does.
void unsignZeroRealTexts(CalculatorState& s);

}  // namespace korvo
