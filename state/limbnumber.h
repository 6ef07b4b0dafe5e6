// The exact fixed-point number of integer mode.
#pragma once

#include <array>
#include <cstdint>

namespace korvo {

// Twelve 32-bit words: a 128-bit integer part (limbs 0-3) and a 128-bit
// fraction value (limbs 4-7), each most significant limb first, then the
// counters that describe how the number was written, then the sign.
// The value is integer + fraction / radix^fracDigits, negated when
// `negative` is 1; the fraction prints as `fracZeros` zeros followed by the
// digits of the fraction value.
struct LimbNumber {
    std::array<std::uint32_t, 8> limbs{};
    std::uint32_t intDigits = 0;   // characters before the point, minus not counted
    std::uint32_t fracDigits = 0;  // digit characters after the point (the scale)
    std::uint32_t fracZeros = 0;   // "0" digits right after the point
    std::uint32_t negative = 0;    // 1 = negative

    friend bool operator==(const LimbNumber&, const LimbNumber&) = default;
};

// The most digits after the point any number holds, in every base and
// both modes: the limb fraction's scale, a quotient's expansion, a real's
// written fraction and a typed entry's fraction all stop here.
inline constexpr std::uint32_t kFractionDigits = 19;

// A group of four limbs: an unsigned 128-bit integer, most significant first.
using Limbs4 = std::array<std::uint32_t, 4>;
// Eight limbs: integer half then fraction half.
using Limbs8 = std::array<std::uint32_t, 8>;

}  // namespace korvo
