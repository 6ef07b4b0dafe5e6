// The limb primitives on the state's work slots.
#include "intmath/limbs.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace korvo {
namespace {

TEST(WordArrays, CompareStopsAtTheFirstDifferentWord) {
    const std::array<std::uint32_t, 2> a{1, 0};
    const std::array<std::uint32_t, 2> b{0, 9};
    EXPECT_EQ(compareWords(a, b), 1);
    EXPECT_EQ(compareWords(b, a), 2);
    EXPECT_EQ(compareWords(a, a), 0);
}

TEST(WordArrays, CopyAndZeroTouchOnlyTheirCount) {
    std::array<std::uint32_t, 4> dest{7, 7, 7, 7};
    const std::array<std::uint32_t, 2> src{1, 2};
    copyWords(dest, src);
    EXPECT_EQ(dest, (std::array<std::uint32_t, 4>{1, 2, 7, 7}));
    zeroWords(std::span(dest).first(3));
    EXPECT_EQ(dest, (std::array<std::uint32_t, 4>{0, 0, 0, 7}));
}

TEST(LimbAdd, FractionCarryStaysInTheFraction) {
    CalculatorState s;
    s.limbA = {0, 0, 0, 4, 0, 0, 0, 9};
    s.limbB = {0, 0, 0, 5, 0, 0, 0, 2};
    limbAdd(s);
    EXPECT_EQ(s.limbResult.limbs, (Limbs8{0, 0, 0, 9, 0, 0, 0, 11}));
}

TEST(LimbAdd, CarriesAcrossLimbsAndWrapsAt128Bits) {
    CalculatorState s;
    s.limbA = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0, 0, 0xFFFFFFFF, 0xFFFFFFFF};
    s.limbB = {0, 0, 0, 1, 0, 0, 0, 1};
    limbAdd(s);
    EXPECT_EQ(s.limbResult.limbs, (Limbs8{0, 0, 0, 0, 0, 1, 0, 0}));
}

TEST(LimbAdd, IntegerOnlyLeavesTheFractionLimbs) {
    CalculatorState s;
    s.limbResult.limbs = {0, 0, 0, 0, 5, 6, 7, 8};
    s.limbA = {0, 0, 1, 2, 1, 1, 1, 1};
    s.limbB = {0, 0, 0, 3, 1, 1, 1, 1};
    s.integerLimbsOnly = 1;
    limbAdd(s);
    EXPECT_EQ(s.limbResult.limbs, (Limbs8{0, 0, 1, 5, 5, 6, 7, 8}));
}

TEST(LimbSubtract, NegativeIntegerHalfExchangesWithFirstOperand) {
    CalculatorState s;
    s.firstOperand.limbs = {0, 0, 0, 3, 0, 0, 0, 0};
    s.firstOperand.negative = 1;
    s.limbA = s.firstOperand.limbs;
    s.limbB = {0, 0, 0, 5, 0, 0, 0, 0};
    s.limbResult.negative = 1;
    limbSubtract(s);
    EXPECT_EQ(s.limbResult.limbs, (Limbs8{0, 0, 0, 2, 0, 0, 0, 0}));
    EXPECT_EQ(s.limbResult.negative, 1U);
    EXPECT_EQ(s.firstOperand.negative, 1U);
}

TEST(LimbSubtract, BorrowRunsThroughAllLimbs) {
    CalculatorState s;
    s.limbA = {0, 1, 0, 0, 1, 0, 0, 0};
    s.limbB = {0, 0, 0, 1, 0, 0, 0, 1};
    limbSubtract(s);
    EXPECT_EQ(s.limbResult.limbs,
              (Limbs8{0, 0, 0xFFFFFFFF, 0xFFFFFFFF, 0, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}));
}

struct MultiplyCase {
    Limbs4 multiplicand;
    std::uint32_t multiplierHigh;
    std::uint32_t multiplierLow;
    Limbs4 product;
};

class LimbMultiplyTest : public testing::TestWithParam<MultiplyCase> {};

TEST_P(LimbMultiplyTest, ProductModulo2To128) {
    const MultiplyCase& c = GetParam();
    CalculatorState s;
    std::copy(c.multiplicand.begin(), c.multiplicand.end(), s.limbA.begin());
    s.limbB = {0xDEAD, 0xBEEF, c.multiplierHigh, c.multiplierLow, 0, 0, 0, 0};
    limbMultiply(s);
    EXPECT_EQ(s.productLimbs, c.product);
}

INSTANTIATE_TEST_SUITE_P(Cases, LimbMultiplyTest,
                         testing::Values(
                             // 2^64 x 2^32 = 2^96; limbs 0-1 of the multiplier are ignored.
                             MultiplyCase{{0, 1, 0, 0}, 1, 0, {1, 0, 0, 0}},
                             // 2^100 x 2^40 wraps to 0.
                             MultiplyCase{{0x10, 0, 0, 0}, 0x100, 0, {0, 0, 0, 0}},
                             MultiplyCase{{0, 0, 0, 12}, 0, 34, {0, 0, 0, 408}},
                             // (2^64 - 1) x (2^64 - 1) = 2^128 - 2^65 + 1.
                             MultiplyCase{{0, 0, 0xFFFFFFFF, 0xFFFFFFFF},
                                          0xFFFFFFFF,
                                          0xFFFFFFFF,
                                          {0xFFFFFFFF, 0xFFFFFFFE, 0, 1}}));

TEST(LimbDivide, QuotientAndRemainder) {
    CalculatorState s;
    s.limbA = {0, 0, 0, 10, 0, 0, 0, 0};
    s.limbB[3] = 3;
    s.quotientOnly = 1;
    EXPECT_EQ(limbDivide(s), 1U);
    EXPECT_EQ(s.quotientLimbs, (Limbs4{0, 0, 0, 3}));
}

TEST(LimbDivide, WideDividend) {
    CalculatorState s;
    s.limbA = {1, 0, 0, 0, 0, 0, 0, 0};  // 2^96
    s.limbB[3] = 10;
    s.quotientOnly = 1;
    // 2^96 = 79228162514264337593543950336
    EXPECT_EQ(limbDivide(s), 6U);
    EXPECT_EQ(s.quotientLimbs, (Limbs4{0, 0x19999999, 0x99999999, 0x99999999}));
}

TEST(LimbDivide, ZeroDivisorLeavesTheQuotient) {
    CalculatorState s;
    s.limbA = {0, 0, 0, 10, 0, 0, 0, 0};
    s.quotientLimbs = {1, 2, 3, 4};
    s.limbB[3] = 0;
    s.quotientOnly = 1;
    EXPECT_EQ(limbDivide(s), 0U);
    EXPECT_EQ(s.quotientLimbs, (Limbs4{1, 2, 3, 4}));
}

}  // namespace
}  // namespace korvo
