// Shortening and rounding of fraction digit texts.
#pragma once

#include <cstddef>
#include <string>

#include "state/calculatorstate.h"

namespace korvo {

// Trims the characters of `text` after position `start` in place; characters
// before `start` never change. Reads floatMode and reciprocalMode.
void trimFraction(const CalculatorState& s, std::string& text, std::size_t start);

}  // namespace korvo
