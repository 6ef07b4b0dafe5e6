// Powers of 2, 10 and e from F2XM1 and FSCALE.
#include "floatmath/exponential.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "floatmath/x87.h"
#include "realtestsupport.h"

namespace korvo {
namespace {

using testing_support::parseText;
using testing_support::powerOf2;

Real80 twoTo(const char* y) {
    CalculatorState s;
    return powerOfTwo(s, parseText(s, y));
}

// The text the keys would show: trimmed, in floating-point mode.
std::string shown(CalculatorState& s, Real80 value) {
    s.floatMode = 1;
    formatReal(s, value);
    return s.entryText;
}

TEST(PowerOfTwo, WholeExponentsAreExact) {
    EXPECT_EQ(twoTo("10"), powerOf2(10));
    EXPECT_EQ(twoTo("-1"), powerOf2(-1));
    EXPECT_EQ(twoTo("0"), powerOf2(0));
    EXPECT_EQ(twoTo("-16382"), powerOf2(-16382));
}

TEST(PowerOfTwo, SplitsTowardZero) {
    // -2.5 = -2 + -0.5: the same significand as 2^-0.5, two binades lower.
    const Real80 root = twoTo("-0.5");
    const Real80 power = twoTo("-2.5");
    EXPECT_EQ(power.significand, root.significand);
    EXPECT_EQ(power.signExponent, root.signExponent - 2);
    // 1 + (2^-0.5 - 1) rounded toward zero lies just below 1/sqrt(2).
    EXPECT_EQ(root.signExponent, 0x3FFE);
    EXPECT_EQ(root.significand >> 32U, 0xB504F333U);
}

// The documented sequence, instruction by instruction: FRNDINT, the split,
// F2XM1 and the +1, FSCALE of 1 and the product, all under truncation.
TEST(PowerOfTwo, FollowsTheTruncatingInstructionSequence) {
    const X87 cut{kTruncateControlWord};
    for (const char* y : {"0.75", "2.75", "-2.5", "-0.3", "13.1", "-7.9"}) {
        CalculatorState s;
        const Real80 arg = parseText(s, y);
        const Real80 whole = x87::roundToInteger(cut, arg);
        const Real80 part = x87::subtract(cut, arg, whole);
        const Real80 mantissa = x87::add(cut, x87::twoToXMinusOne(cut, part), x87::loadOne());
        const Real80 expected =
            x87::multiply(cut, mantissa, x87::scale(cut, x87::loadOne(), whole));
        EXPECT_EQ(powerOfTwo(s, arg), expected) << y;
    }
}

TEST(PowerOfTwo, StoresTheResultAndRestoresRoundingToNearest) {
    CalculatorState s;
    s.fpu.controlWord = kTruncateControlWord;
    const Real80 r = powerOfTwo(s, x87::loadInteger(3));
    EXPECT_EQ(r, powerOf2(3));
    EXPECT_EQ(s.realValue, r);
    EXPECT_EQ(s.fpu.controlWord, kNearestControlWord);
}

TEST(PowerOfTwo, SaturatesUnderflowsAndPassesNaN) {
    CalculatorState s;
    EXPECT_EQ(powerOfTwo(s, x87::loadInteger(20000)), testing_support::kLargestFinite);
    EXPECT_TRUE(powerOfTwo(s, x87::loadInteger(-20000)).isZero());
    EXPECT_TRUE(testing_support::isNaN(powerOfTwo(s, testing_support::kQuietNaN)));
    EXPECT_TRUE(testing_support::isNaN(powerOfTwo(s, testing_support::kPlusInfinity)));
    EXPECT_TRUE(testing_support::isNaN(powerOfTwo(s, testing_support::kMinusInfinity)));

    // What the keys then show.
    EXPECT_EQ(shown(s, powerOfTwo(s, x87::loadInteger(20000))), std::string(text::kOutOfRange));
    EXPECT_EQ(shown(s, powerOfTwo(s, x87::loadInteger(-20000))), "0");
    EXPECT_EQ(shown(s, powerOfTwo(s, testing_support::kPlusInfinity)),
              std::string(text::kOutOfRange));
}

// Distance from `reference` in units of its last place, computed on the unit
// itself (the difference of two close values is exact).
std::int64_t ulpsFrom(Real80 value, Real80 reference) {
    const X87 unit{kNearestControlWord};
    const Real80 difference = x87::subtract(unit, value, reference);
    const int placesUp = 63 - (reference.biasedExponent() - testing_support::kBias);
    return x87::storeInteger64(unit, x87::scale(unit, difference, x87::loadInteger(placesUp)));
}

// The log2 constants and the truncating steps cost the last bits or so; the
// trimming does not always hide that (10^2 shows as 99.99...).
TEST(PowerOfTenAndE, LandWithinAFewUnitsOfTheLastPlace) {
    CalculatorState s;
    const Real80 e{0xADF85458A2BB4A9BULL, 0x4000};
    const std::int64_t ofHundred =
        ulpsFrom(powerOfTen(s, parseText(s, "2")), x87::loadInteger(100));
    EXPECT_LE(ofHundred, 0);
    EXPECT_GE(ofHundred, -4);
    EXPECT_LE(std::abs(ulpsFrom(powerOfTen(s, parseText(s, "-1")), parseText(s, "0.1"))), 4);
    EXPECT_LE(std::abs(ulpsFrom(powerOfE(s, parseText(s, "1")), e)), 4);
    EXPECT_EQ(s.realValue.signExponent, 0x4000);
    EXPECT_EQ(shown(s, s.realValue).substr(0, 17), "2.718281828459045");
    // Whole powers of two are exact.
    EXPECT_EQ(powerOfE(s, parseText(s, "0")), x87::loadInteger(1));
    EXPECT_EQ(powerOfTen(s, parseText(s, "0")), x87::loadInteger(1));
}

// The argument is multiplied by the constant under the control word the
// caller left; after a conversion that is truncation.
TEST(PowerOfTenAndE, MultiplyUnderTheControlWordInForce) {
    for (const auto power : {&powerOfTen, &powerOfE}) {
        const auto constant = power == &powerOfTen ? &x87::loadLog2Ten : &x87::loadLog2E;
        CalculatorState nearest;
        CalculatorState truncating;
        truncating.fpu.controlWord = kTruncateControlWord;
        const Real80 y = parseText(nearest, "0.3");
        const X87 truncate{kTruncateControlWord};
        CalculatorState expected;
        const Real80 viaNearest =
            powerOfTwo(expected, x87::multiply(nearest.fpu, y, constant(nearest.fpu)));
        const Real80 viaTruncation =
            powerOfTwo(expected, x87::multiply(truncate, y, constant(truncate)));
        ASSERT_NE(viaNearest, viaTruncation);
        EXPECT_EQ(power(nearest, y), viaNearest);
        EXPECT_EQ(power(truncating, y), viaTruncation);
        EXPECT_EQ(truncating.fpu.controlWord, kNearestControlWord);
    }
}

}  // namespace
}  // namespace korvo
