// The extended-real fallback of the integer division.
#pragma once

#include "state/calculatorstate.h"

namespace korvo {

// realValue = firstReal = firstReal / realValue, shown through formatReal.
void realDivide(CalculatorState& s);

}  // namespace korvo
