// Multiplication, division and integer powers of limb numbers.
#pragma once

#include <cstdint>

#include "state/calculatorstate.h"

namespace korvo {

enum class DivisionOutcome { Done, ZeroDivisor, OutOfRange };

void multiplyNumbers(CalculatorState& s);
// firstOperand / limbResult, exact to 19 fraction digits. A zero divisor
// (every limb of limbResult zero) changes nothing and is reported, so the
// caller can show the message; so is a quotient whose integer part passes
// 128 bits when the divisor has two limbs or more (all its digits counted).
[[nodiscard]] DivisionOutcome divideNumbers(CalculatorState& s);
void scaledMultiplyDivide(CalculatorState& s);
// The quotient of the operands' texts (firstIntText, firstFracText, intText,
// fracText) into limbResult and entryText; `wideDivisor` asks for the range
// check on the integer part.
[[nodiscard]] DivisionOutcome exactDivide(CalculatorState& s, bool wideDivisor);
void integerPower(CalculatorState& s);

}  // namespace korvo
