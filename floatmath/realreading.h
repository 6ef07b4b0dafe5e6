// Digits to the nearest extended real.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "state/real80.h"

namespace korvo {

// The extended real nearest to digits / radix^fractionDigits (ties to even),
// negated when `negative`: `digits` are digit values (0 .. radix - 1), the
// integer part's then the fraction's. Computed exactly on wide integers and
// built from its sign, exponent and significand bits, so it needs no x87.
// Nothing for a value not below the radix or more digits than it reads.
std::optional<Real80> nearestReal(std::string_view digits, std::uint32_t fractionDigits,
                                  std::uint32_t radix, bool negative);

}  // namespace korvo
