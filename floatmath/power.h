// x to the power N on extended reals.
#pragma once

#include "state/real80.h"

namespace korvo {

// base^exponent for an integral exponent below 2^63 in magnitude, by
// repeated squaring rounded to nearest: exact whenever the power fits the
// 64-bit significand. A negative base keeps its sign for odd exponents.
// Returns false, computing nothing, for any other exponent.
bool wholePower(X87& fpu, Real80 base, Real80 exponent, Real80& power);

// base^exponent: a whole power where wholePower takes it, otherwise
// 2^(exponent x log2 base) (a huge integral exponent is even, so the base's
// sign does not matter there). Leaves the unit rounding to nearest.
Real80 raiseToPower(X87& fpu, Real80 base, Real80 exponent);

}  // namespace korvo
