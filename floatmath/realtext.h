// Number text <-> extended real, and the output range rule.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// The real a number text stands for in `radix`, as parseReal reads it; an
// empty text is zero.
Real80 realOfText(std::string_view text, std::uint32_t radix);

// The text `value` shows in `radix` as an echo does; nullopt where it has
// none (out of range).
std::optional<std::string> realShownText(const Real80& value, std::uint32_t radix);

// Writes `value` (realValue, or memoryReal for M+ and M-) as text into
// entryText, realIntText and realFracText, or the out-of-range message.
// Leaves the unit rounding toward zero. Returns true when it wrote the
// out-of-range message.
bool formatReal(CalculatorState& s, const Real80& value, RealText purpose = RealText::Result);

}  // namespace korvo
