// What a base change does to the numbers the calculator holds besides the
// entry: each is rewritten the way the entry is (digit by digit, the
// fraction's digits read as one whole number), so that it stays the number
// the user saw, and its real side is read from its new digits.
#pragma once

#include <cstdint>

#include "state/calculatorstate.h"

namespace korvo {

// Rewrites the first operand (while one is taken) and the memory (while it
// holds a number), both sides, from `fromRadix` into the radix in force.
void rewriteHeldNumbers(CalculatorState& s, std::uint32_t fromRadix);

}  // namespace korvo
