// The operands of two-operand work: the first operand with its texts, and
// the pending operation run on the limbs.
#pragma once

#include <string>

#include "state/calculatorstate.h"

namespace korvo {

// firstOperand becomes `number`, its texts and fraction width with it.
void setFirstOperand(CalculatorState& s, const LimbNumber& number);

// The pending operation on limbs, firstOperand op limbResult: the result
// in limbResult and its text in entryText. Returns false for a zero divisor
// or a quotient past 128 bits, leaving both as they were.
bool operatePendingOnLimbs(CalculatorState& s);

}  // namespace korvo
