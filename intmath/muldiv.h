// Multiplication, division and integer powers of limb numbers.
#pragma once

#include <cstdint>

#include "state/calculatorstate.h"

namespace korvo {

enum class DivisionOutcome { Done, ZeroDivisor };

void multiplyNumbers(CalculatorState& s);
// firstOperand / limbResult. A zero divisor (every limb of limbResult zero)
// changes nothing and is reported, so the caller can show the message.
[[nodiscard]] DivisionOutcome divideNumbers(CalculatorState& s);
void scaledMultiplyDivide(CalculatorState& s);
void integerPower(CalculatorState& s);

// The fraction digits of a long division (limbDivide with quotientOnly 0):
// r is the remainder of the quotient part, divisor the one-limb divisor.
void quotientFractionDigits(CalculatorState& s, std::uint32_t r, std::uint32_t divisor);

}  // namespace korvo
