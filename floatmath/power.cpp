#include "floatmath/power.h"

#include <cstdint>
#include <limits>

#include "floatmath/exponential.h"
#include "floatmath/x87.h"

namespace korvo {

namespace {
// FISTP's answer for a value that does not fit 64 bits.
constexpr std::int64_t kIntegerIndefinite = std::numeric_limits<std::int64_t>::min();
constexpr int kExponentBits = 64;
}  // namespace

bool wholePower(X87& fpu, Real80 base, Real80 exponent, Real80& power) {
    // An integral value is its own rounding under any control word.
    if (!(x87::roundToInteger(fpu, exponent) == exponent)) {
        return false;
    }
    x87::loadControlWord(fpu, kNearestControlWord);
    const X87& unit = fpu;
    const std::int64_t n = x87::storeInteger64(unit, exponent);
    if (n == kIntegerIndefinite) {
        return false;
    }
    const bool negativeBase = base.signBit();
    const Real80 magnitude = negativeBase ? x87::changeSign(base) : base;
    const std::uint64_t count =
        n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);

    Real80 result = x87::loadOne();
    for (int bit = kExponentBits - 1; bit >= 0; --bit) {
        result = x87::multiply(unit, result, result);
        if (((count >> bit) & 1U) != 0) {
            result = x87::multiply(unit, result, magnitude);
        }
    }
    if (n < 0) {
        result = x87::divide(unit, x87::loadOne(), result);
    }
    if (negativeBase && (count & 1U) != 0) {
        result = x87::changeSign(result);
    }
    power = result;
    return true;
}

Real80 raiseToPower(X87& fpu, Real80 base, Real80 exponent) {
    Real80 power;
    if (wholePower(fpu, base, exponent, power)) {
        return power;
    }
    const X87& unit = fpu;
    // Zero to any positive power is zero; a logarithm of zero has no finite
    // value to go through.
    if (base.isZero() && !exponent.signBit() && !exponent.isZero()) {
        return x87::loadZero();
    }
    const Real80 magnitude = base.signBit() && x87::roundToInteger(unit, exponent) == exponent
                                 ? x87::changeSign(base)
                                 : base;
    // FLD1, FXCH, FYL2X, times the exponent, then the power of two.
    const Real80 log2Base = x87::yLog2X(unit, x87::loadOne(), magnitude);
    return powerOfTwo(fpu, x87::multiply(unit, log2Base, exponent));
}

}  // namespace korvo
