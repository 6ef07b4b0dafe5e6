// Signed addition and subtraction of firstOperand and limbResult, with the
// carry and borrow between fraction and integer part made through the texts.
#pragma once

#include "state/calculatorstate.h"

namespace korvo {

void alignOperands(CalculatorState& s);
void signedAdd(CalculatorState& s);
void signedSubtract(CalculatorState& s);
void fractionFixup(CalculatorState& s);

}  // namespace korvo
