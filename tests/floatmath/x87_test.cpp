// The x87 layer: each wrapper runs the right instruction, under the control
// word the modelled unit holds.
#include "floatmath/x87.h"

#include <gtest/gtest.h>

#include "realtestsupport.h"

namespace korvo {
namespace {

using testing_support::powerOf2;

constexpr X87 kNearest{kNearestControlWord};
constexpr X87 kTruncate{kTruncateControlWord};

// The 64-bit significand of pi, rounded up and cut.
constexpr std::uint64_t kPiRoundedUp = 0xC90FDAA22168C235ULL;
constexpr std::uint64_t kPiCut = 0xC90FDAA22168C234ULL;

Real80 real(std::int64_t v) {
    return x87::loadInteger(v);
}

TEST(X87Unit, FinitBringsBackRoundingToNearest) {
    X87 unit{kTruncateControlWord};
    x87::finit(unit);
    EXPECT_EQ(unit.controlWord, 0x037F);
    x87::loadControlWord(unit, 0x0F7F);
    EXPECT_EQ(unit.controlWord, 0x0F7F);
}

TEST(X87Arithmetic, EachWrapperComputesItsOperation) {
    EXPECT_EQ(x87::subtract(kNearest, real(5), real(3)), real(2));
    EXPECT_EQ(x87::subtract(kNearest, real(3), real(5)), real(-2));
    EXPECT_EQ(x87::add(kNearest, real(5), real(3)), real(8));
    EXPECT_EQ(x87::multiply(kNearest, real(6), real(7)), real(42));
    EXPECT_EQ(x87::divide(kNearest, real(6), real(3)), real(2));
    EXPECT_EQ(x87::divide(kNearest, real(1), real(4)), powerOf2(-2));
    EXPECT_EQ(x87::changeSign(real(9)), real(-9));
    EXPECT_EQ(x87::squareRoot(kNearest, real(144)), real(12));
    EXPECT_EQ(x87::yLog2X(kNearest, real(3), real(8)), real(9));  // 3 * log2(8)
    EXPECT_EQ(x87::scale(kNearest, real(3), real(4)), real(48));
    EXPECT_EQ(x87::scale(kNearest, real(1), x87::changeSign(powerOf2(-1))), real(1));
    EXPECT_EQ(x87::twoToXMinusOne(kNearest, real(-1)), powerOf2(-1, true));  // 2^-1 - 1
    EXPECT_EQ(x87::twoToXMinusOne(kNearest, real(1)), real(1));
    EXPECT_EQ(x87::loadOne(), real(1));
    EXPECT_TRUE(x87::loadZero().isZero());
}

TEST(X87Arithmetic, DivisionRoundsUnderTheControlWord) {
    // 2/3 = 0.AAAA... in binary: the last kept bit is rounded up only to nearest.
    EXPECT_EQ(x87::divide(kNearest, real(2), real(3)), (Real80{0xAAAAAAAAAAAAAAABULL, 0x3FFE}));
    EXPECT_EQ(x87::divide(kTruncate, real(2), real(3)), (Real80{0xAAAAAAAAAAAAAAAAULL, 0x3FFE}));
}

TEST(X87Integers, StoresRoundUnderTheControlWordAndGiveTheIndefinite) {
    const Real80 twoAndAHalf = x87::divide(kNearest, real(5), real(2));
    const Real80 minusTwoPointSeven = x87::divide(kNearest, real(-27), real(10));
    EXPECT_EQ(x87::storeInteger64(kNearest, twoAndAHalf), 2);  // ties to even
    EXPECT_EQ(x87::storeInteger64(kNearest, minusTwoPointSeven), -3);
    EXPECT_EQ(x87::storeInteger64(kTruncate, minusTwoPointSeven), -2);
    EXPECT_EQ(x87::storeInteger32(kTruncate, x87::divide(kNearest, real(29), real(10))), 2);
    EXPECT_EQ(x87::roundToInteger(kNearest, minusTwoPointSeven), real(-3));
    EXPECT_EQ(x87::roundToInteger(kTruncate, minusTwoPointSeven), real(-2));

    EXPECT_EQ(x87::storeInteger64(kTruncate, powerOf2(63)), INT64_MIN);
    EXPECT_EQ(x87::storeInteger64(kTruncate, testing_support::kQuietNaN), INT64_MIN);
    EXPECT_EQ(x87::storeInteger32(kTruncate, powerOf2(31)), INT32_MIN);
    EXPECT_EQ(x87::loadInteger(INT64_MIN), powerOf2(63, true));
}

TEST(X87Integers, SingleStoreTruncatesBelowTheSmallestDenormal) {
    EXPECT_EQ(x87::storeSingle(kTruncate, real(1)), 0x3F800000U);
    EXPECT_EQ(x87::storeSingle(kTruncate, powerOf2(-149)), 1U);
    EXPECT_EQ(x87::storeSingle(kTruncate, powerOf2(-150)), 0U);
    EXPECT_EQ(x87::storeSingle(kNearest, Real80{0xC000000000000000ULL, 0x3FFF - 150}), 1U);
}

TEST(X87Constants, PiRoundsUnderTheControlWordInForce) {
    EXPECT_EQ(x87::loadPi(kNearest), (Real80{kPiRoundedUp, 0x4000}));
    EXPECT_EQ(x87::loadPi(kTruncate), (Real80{kPiCut, 0x4000}));
    // log2(e) is rounded up to nearest as well; log2(10) is not.
    EXPECT_NE(x87::loadLog2E(kNearest), x87::loadLog2E(kTruncate));
    EXPECT_EQ(x87::loadLog2Ten(kNearest), (Real80{0xD49A784BCD1B8AFEULL, 0x4000}));
}

TEST(X87Trigonometry, ArcTangentOfOneIsAQuarterPi) {
    EXPECT_EQ(x87::arcTangent(kNearest, real(1), real(1)), (Real80{kPiRoundedUp, 0x3FFE}));
    EXPECT_EQ(x87::arcTangent(kNearest, real(1), real(0)), (Real80{kPiRoundedUp, 0x3FFF}));
}

TEST(X87Trigonometry, InRangeOperandsComplete) {
    const auto sin0 = x87::sine(kNearest, real(0));
    EXPECT_FALSE(sin0.incomplete);
    EXPECT_TRUE(sin0.value.isZero());
    EXPECT_EQ(x87::cosine(kNearest, real(0)).value, real(1));

    const auto tan0 = x87::partialTangent(kNearest, real(0));
    EXPECT_FALSE(tan0.incomplete);
    EXPECT_TRUE(tan0.tangent.isZero());
    EXPECT_EQ(tan0.one, real(1));

    const auto both = x87::sineCosine(kNearest, real(0));
    EXPECT_FALSE(both.incomplete);
    EXPECT_TRUE(both.sin.isZero());
    EXPECT_EQ(both.cos, real(1));
}

TEST(X87Trigonometry, OperandsOf2To63AndMoreAreLeftUnchanged) {
    const Real80 big = powerOf2(64);
    const auto tan = x87::partialTangent(kNearest, big);
    EXPECT_TRUE(tan.incomplete);
    EXPECT_EQ(tan.tangent, big);
    EXPECT_TRUE(tan.one.isZero());

    const auto sin = x87::sine(kNearest, big);
    EXPECT_TRUE(sin.incomplete);
    EXPECT_EQ(sin.value, big);
    EXPECT_TRUE(x87::cosine(kNearest, big).incomplete);

    const auto both = x87::sineCosine(kNearest, big);
    EXPECT_TRUE(both.incomplete);
    EXPECT_EQ(both.sin, big);
    EXPECT_TRUE(both.cos.isZero());
}

}  // namespace
}  // namespace korvo
