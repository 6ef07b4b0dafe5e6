// Number text <-> extended real, and the output range rule.
#pragma once

#include "state/calculatorstate.h"

namespace korvo {

// Reads workText (destroying it) in `radix` into realValue; an empty text
// leaves realValue and the unit alone.
void parseReal(CalculatorState& s);

// Writes `value` (realValue, or memoryReal for M+ and M-) as text into
// entryText, realIntText and realFracText, or the out-of-range message.
// Leaves the unit rounding toward zero. Returns true when it wrote the
// out-of-range message.
bool formatReal(CalculatorState& s, const Real80& value);

}  // namespace korvo
