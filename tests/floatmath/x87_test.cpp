// The x87 layer: each wrapper runs its instruction under the control word
// the modelled unit holds.
#include "floatmath/x87.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "realvalues.h"

namespace korvo {
namespace {

using testing_support::valueOf;
constexpr X87 kNearest{kNearestControlWord};
constexpr X87 kTruncate{kTruncateControlWord};

Real80 real(std::int64_t v) {
    return x87::loadInteger(v);
}

TEST(X87, RoundingFollowsTheControlWord) {
    X87 unit{kTruncateControlWord};
    x87::finit(unit);
    EXPECT_EQ(unit.controlWord, kNearestControlWord);
    EXPECT_EQ(x87::divide(kNearest, real(2), real(3)), valueOf(10, "#AAAAAAAAAAAAAAAB:3FFE"));
    EXPECT_EQ(x87::divide(kTruncate, real(2), real(3)), valueOf(10, "#AAAAAAAAAAAAAAAA:3FFE"));
    EXPECT_EQ(x87::loadPi(kNearest), valueOf(10, "#C90FDAA22168C235:4000"));
    EXPECT_EQ(x87::loadPi(kTruncate), valueOf(10, "#C90FDAA22168C234:4000"));
    EXPECT_NE(x87::loadLog2E(kNearest), x87::loadLog2E(kTruncate));
    const Real80 minus27Tenths = valueOf(10, "-2.7");
    EXPECT_EQ(x87::storeInteger64(kNearest, valueOf(10, "2.5")), 2);  // ties to even
    EXPECT_EQ(x87::storeInteger64(kNearest, minus27Tenths), -3);
    EXPECT_EQ(x87::storeInteger64(kTruncate, minus27Tenths), -2);
    EXPECT_EQ(x87::storeInteger32(kTruncate, valueOf(10, "2.9")), 2);
    EXPECT_EQ(x87::roundToInteger(kNearest, minus27Tenths), real(-3));
    EXPECT_EQ(x87::roundToInteger(kTruncate, minus27Tenths), real(-2));
    EXPECT_EQ(x87::storeSingle(kTruncate, valueOf(10, "2^-149")), 1U);
    EXPECT_EQ(x87::storeSingle(kTruncate, valueOf(10, "2^-150")), 0U);
    EXPECT_EQ(x87::storeSingle(kNearest, valueOf(10, "#C000000000000000:3F69")), 1U);
}

TEST(X87, OutOfRangeGivesTheIndefiniteOrLeavesTheOperand) {
    EXPECT_EQ(x87::storeInteger64(kTruncate, valueOf(10, "2^63")), INT64_MIN);
    EXPECT_EQ(x87::storeInteger64(kTruncate, valueOf(10, "nan")), INT64_MIN);
    EXPECT_EQ(x87::storeInteger32(kTruncate, valueOf(10, "2^31")), INT32_MIN);
    const Real80 big = valueOf(10, "2^63");
    const auto tan = x87::partialTangent(kNearest, big);
    const auto both = x87::sineCosine(kNearest, big);
    EXPECT_TRUE(tan.incomplete && both.incomplete && x87::cosine(kNearest, big).incomplete);
    EXPECT_EQ(tan.tangent, big);
    EXPECT_EQ(both.sin, big);
    EXPECT_EQ(x87::sine(kNearest, big).value, big);
    const Real80 below = valueOf(10, "#FFFFFFFFFFFFFFFF:403D");
    EXPECT_FALSE(x87::sine(kNearest, below).incomplete);
    EXPECT_EQ(x87::partialTangent(kNearest, real(0)).one, real(1));
    EXPECT_EQ(x87::sineCosine(kNearest, real(0)).cos, real(1));
}

}  // namespace
}  // namespace korvo
