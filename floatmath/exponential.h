// Powers of 2, 10 and e on extended reals, built from F2XM1 and FSCALE.
#pragma once

#include "state/calculatorstate.h"

namespace korvo {

// Each returns the power and stores it in realValue; the unit is left
// rounding to nearest. powerOfTen and powerOfE multiply their argument by
// log2(10) or log2(e) under the control word in force first.
Real80 powerOfTwo(CalculatorState& s, Real80 y);
Real80 powerOfTen(CalculatorState& s, Real80 y);
Real80 powerOfE(CalculatorState& s, Real80 y);

}  // namespace korvo
