// Whole powers on 128-bit integers.
#pragma once

#include <cstdint>
#include <optional>

#include "state/limbnumber.h"

namespace korvo {

// base^exponent modulo 2^128, the exponent any 128-bit integer; as x^N keeps
// the low 128 bits of its power.
U128 powerModulo128(const U128& base, const U128& exponent);

// base^x for a whole x that is not negative (2^x and 10^x in integer mode);
// nothing for a fraction or a negative x, which need the reals.
std::optional<LimbNumber> wholePowerOf(std::uint32_t base, const LimbNumber& x);

}  // namespace korvo
