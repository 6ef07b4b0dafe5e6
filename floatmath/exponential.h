// Powers of 2, 10 and e on extended reals, built from F2XM1 and FSCALE.
#pragma once

#include "state/real80.h"

namespace korvo {

// Each returns the power and leaves the unit rounding to nearest. powerOfTen and powerOfE multiply
// their argument by log2(10) or log2(e) under the control word in force first.
Real80 powerOfTwo(X87& fpu, Real80 y);
Real80 powerOfTen(X87& fpu, Real80 y);
Real80 powerOfE(X87& fpu, Real80 y);

}  // namespace korvo
