// The calculator's current number kept in step with the value functions:
// each step reads or writes one side of it and records what the keys that
// follow rely on (the texts last written, the unit's control word).
#pragma once

#include <string_view>

#include "floatmath/realtext.h"
#include "readout/radixchange.h"
#include "state/calculatorstate.h"

namespace korvo {

// What a written real is for. A result replaces the current number, so an
// out-of-range result also zeroes realValue; an echo only mirrors a number
// that is already there (typed, pasted, recalled, signed, or the memory),
// which keeps its value even when its text is out of range.
enum class RealText { Result, Echo };

// The limbs of `text` in the base in force become the current number's.
void readLimbs(CalculatorState& s, std::string_view text);

// entryText becomes the current number's limbs written in the base in force.
void writeLimbs(CalculatorState& s);

// The real of `text` becomes the current real, read with the unit rounding
// to nearest; an empty text leaves the real and the unit alone.
void readReal(CalculatorState& s, std::string_view text);

// `value` written in the base in force: entryText and the real texts get
// its text, or the out-of-range message. The unit is left rounding toward
// zero, as the conversion leaves it.
Outcome writeReal(CalculatorState& s, const Real80& value, RealText purpose = RealText::Result,
                  Trimming trimming = Trimming::Trim);

// The current number as the readout and a base change see it.
CurrentNumber currentNumberOf(const CalculatorState& s);

}  // namespace korvo
