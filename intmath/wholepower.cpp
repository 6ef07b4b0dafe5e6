// Square and multiply from the exponent's top bit; each product keeps its
// low 128 bits.
#include "intmath/wholepower.h"

namespace korvo {

U128 powerModulo128(const U128& base, const U128& exponent) {
    U128 power = U128::of(1);
    for (std::uint32_t bit = 128; bit-- > 0;) {
        power = power * power;
        if (exponent.bit(bit)) {
            power = power * base;
        }
    }
    return power;
}

std::optional<LimbNumber> wholePowerOf(std::uint32_t base, const LimbNumber& x) {
    if (!x.fraction.isZero() || (x.negative == 1 && !x.isZero())) {
        return std::nullopt;
    }
    LimbNumber out;
    out.integer = powerModulo128(U128::of(base), x.integer);
    return out;
}

}  // namespace korvo
