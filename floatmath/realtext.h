// Number text <-> extended real, and the output range rule.
#pragma once

#include "state/calculatorstate.h"

namespace korvo {

// Reads workText (destroying it) in `radix` into realValue; an empty text
// leaves realValue and the unit alone.
void parseReal(CalculatorState& s);

// What a formatted real is for. A result replaces the current number, so an
// out-of-range result also zeroes realValue; an echo only mirrors a number
// that is already there (typed, pasted, recalled, signed, or the memory),
// which keeps its value even when its text is out of range.
enum class RealText { Result, Echo };

// Writes `value` (realValue, or memoryReal for M+ and M-) as text into
// entryText, realIntText and realFracText, or the out-of-range message.
// Leaves the unit rounding toward zero. Returns true when it wrote the
// out-of-range message.
bool formatReal(CalculatorState& s, const Real80& value, RealText purpose = RealText::Result);

}  // namespace korvo
