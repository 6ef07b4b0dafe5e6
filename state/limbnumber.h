// The exact fixed-point number of integer mode.
#pragma once

#include <cstdint>

#include "state/u128.h"

namespace korvo {

// A 128-bit integer part and a 128-bit fraction value, the counters that
// describe how the number was written, and the sign. The value is
// integer + fraction / radix^fracDigits, negated when `negative` is 1; the
// fraction prints as `fracZeros` zeros followed by the digits of the
// fraction value.
struct LimbNumber {
    U128 integer;
    U128 fraction;
    std::uint32_t fracDigits = 0;  // digit characters after the point (the scale)
    std::uint32_t fracZeros = 0;   // "0" digits right after the point
    std::uint32_t negative = 0;    // 1 = negative

    friend bool operator==(const LimbNumber&, const LimbNumber&) = default;

    [[nodiscard]] bool isZero() const { return integer.isZero() && fraction.isZero(); }
};

// The most digits after the point any number holds, in every base and
// both modes: the limb fraction's scale, a quotient's expansion, a real's
// written fraction and a typed entry's fraction all stop here.
inline constexpr std::uint32_t kFractionDigits = 19;

}  // namespace korvo
