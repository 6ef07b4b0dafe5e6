// Powers built from the two exponential instructions the x87 has: F2XM1
// (2^f - 1 for |f| < 1) and FSCALE (times 2^i). Under truncation FRNDINT cuts
// toward zero, so f keeps the sign of y, and a result too large saturates at
// the largest finite value instead of becoming infinite.
#include "floatmath/exponential.h"

#include "floatmath/power.h"
#include "floatmath/x87.h"

namespace korvo {

Real80 powerOfTwo(X87& fpu, Real80 y) {
    x87::loadControlWord(fpu, kTruncateControlWord);
    const X87& unit = fpu;
    const Real80 whole = x87::roundToInteger(unit, y);
    const Real80 part = x87::subtract(unit, y, whole);
    Real80 power = x87::twoToXMinusOne(unit, part);
    power = x87::add(unit, power, x87::loadOne());
    const Real80 scaled = x87::scale(unit, x87::loadOne(), whole);
    power = x87::multiply(unit, power, scaled);
    x87::loadControlWord(fpu, kNearestControlWord);
    return power;
}

// The logarithm constants and the product are rounded under whatever the
// caller left in force (rounding to nearest after the keys' FINIT).
Real80 powerOfTen(X87& fpu, Real80 y) {
    // A whole power of ten is multiplied out, so it is exact where it fits.
    Real80 power;
    if (wholePower(fpu, x87::loadInteger(10), y, power)) {
        return power;
    }
    const Real80 exponent = x87::multiply(fpu, y, x87::loadLog2Ten(fpu));
    return powerOfTwo(fpu, exponent);
}

Real80 powerOfE(X87& fpu, Real80 y) {
    const Real80 exponent = x87::multiply(fpu, y, x87::loadLog2E(fpu));
    return powerOfTwo(fpu, exponent);
}

}  // namespace korvo
