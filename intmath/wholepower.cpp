// Square and multiply from the exponent's top bit on two 64-bit halves; each
// product keeps its low 128 bits.
#include "intmath/wholepower.h"

#include <algorithm>

#include "intmath/limbgroups.h"
#include "intmath/limbs.h"

namespace korvo {

namespace {

constexpr std::uint32_t kLimbBits = 32;
constexpr std::uint64_t kLow32 = 0xFFFFFFFFU;
constexpr int kExponentBits = 128;

struct U128 {
    std::uint64_t high = 0;
    std::uint64_t low = 0;
};

// The full 128-bit product of two 64-bit numbers, from 32-bit halves.
U128 fullProduct(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t a0 = a & kLow32;
    const std::uint64_t a1 = a >> kLimbBits;
    const std::uint64_t b0 = b & kLow32;
    const std::uint64_t b1 = b >> kLimbBits;
    const std::uint64_t low = a0 * b0;
    const std::uint64_t cross1 = a1 * b0;
    const std::uint64_t cross2 = a0 * b1;
    const std::uint64_t middle = (low >> kLimbBits) + (cross1 & kLow32) + (cross2 & kLow32);
    return U128{a1 * b1 + (cross1 >> kLimbBits) + (cross2 >> kLimbBits) + (middle >> kLimbBits),
                (middle << kLimbBits) | (low & kLow32)};
}

U128 multiplyModulo(const U128& a, const U128& b) {
    U128 product = fullProduct(a.low, b.low);
    product.high += a.high * b.low + a.low * b.high;
    return product;
}

}  // namespace

Limbs4 powerModulo128(std::uint32_t base, const Limbs4& exponent) {
    const auto bitIsSet = [&exponent](int bit) {
        const std::uint32_t limb = exponent[static_cast<std::size_t>(3 - bit / kLimbBits)];
        return ((limb >> (bit % kLimbBits)) & 1U) != 0;
    };
    U128 power{0, 1};
    const U128 factor{0, base};
    for (int bit = kExponentBits - 1; bit >= 0; --bit) {
        power = multiplyModulo(power, power);
        if (bitIsSet(bit)) {
            power = multiplyModulo(power, factor);
        }
    }
    return {static_cast<std::uint32_t>(power.high >> kLimbBits),
            static_cast<std::uint32_t>(power.high & kLow32),
            static_cast<std::uint32_t>(power.low >> kLimbBits),
            static_cast<std::uint32_t>(power.low & kLow32)};
}

std::optional<LimbNumber> wholePowerOf(std::uint32_t base, const LimbNumber& x) {
    if (!groupIsZero(fractionOf(x)) || (x.negative == 1 && !limbsAreZero(x))) {
        return std::nullopt;
    }
    const Limbs4 power = powerModulo128(base, integerOf(x));
    LimbNumber out;
    std::copy(power.begin(), power.end(), out.limbs.begin());
    return out;
}

}  // namespace korvo
