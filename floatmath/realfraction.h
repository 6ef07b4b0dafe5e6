// The fraction digits of a real, read exactly from its bits and rounded at
// the last digit kept, so a shown real holds only digits its significand
// really carries.
#pragma once

#include <cstdint>
#include <string>

#include "state/real80.h"

namespace korvo {

// Most significant digits a 64-bit significand can fill in `radix`.
std::uint32_t significantDigitLimit(std::uint32_t radix);

// Leading "0" digits of `fraction` (0 <= fraction < 1) in `radix`, counted
// up to `most`.
std::uint32_t leadingZeroDigits(const Real80& fraction, std::uint32_t radix, std::uint32_t most);

// `fraction` (0 <= fraction < 1) to `count` digits of `radix` (at most 19),
// the last rounded half up by the exact rest. When the rounding reaches 1,
// the digits are all "0" and `carry` is set.
std::string roundedFractionDigits(const Real80& fraction, std::uint32_t radix, std::uint32_t count,
                                  bool& carry);

}  // namespace korvo
