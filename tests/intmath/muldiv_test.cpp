// Multiplication, division and integer powers of limb numbers, with and
// without fractions, in the four radices.
#include "intmath/muldiv.h"

#include <gtest/gtest.h>

#include <string>

#include "intmath/limbs.h"
#include "tests/intmath/arith_fixture.h"

namespace korvo {
namespace {

using arith::ArithCase;
using arith::Op;

class MultiplyDivide : public ::testing::TestWithParam<ArithCase> {};

TEST_P(MultiplyDivide, EntryText) {
    const ArithCase& c = GetParam();
    EXPECT_EQ(arith::calculate(c), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Multiplication, MultiplyDivide,
    ::testing::Values(ArithCase{10, "12", Op::Multiply, "34", "408"},
                      ArithCase{10, "-1.5", Op::Multiply, "-2.5", "3.75"},
                      ArithCase{10, "-1.5", Op::Multiply, "2", "-3"},
                      ArithCase{10, "0.5", Op::Multiply, "0.5", "0.25"},
                      ArithCase{10, "0.1", Op::Multiply, "0.1", "0.01"},
                      ArithCase{10, "-0.05", Op::Multiply, "0.5", "-0.025"},
                      ArithCase{10, "1.5", Op::Multiply, "2.25", "3.375"},
                      // The trimming at the point drops the trailing zero of 3.30 and 0.10.
                      ArithCase{10, "1.5", Op::Multiply, "2.2", "3.3"},
                      ArithCase{10, "0.5", Op::Multiply, "0.2", "0.1"},
                      ArithCase{10, "2.5", Op::Multiply, "0.4", "1"},
                      ArithCase{10, "-3", Op::Multiply, "4", "-12"},
                      ArithCase{10, "18446744073709551616", Op::Multiply, "4294967296",
                                "79228162514264337593543950336"},
                      // Above 128 bits the product wraps: 2^100 x 2^40 = 2^140 is 0 modulo 2^128.
                      ArithCase{16, "10000000000000000000000000", Op::Multiply, "10000000000", "0"},
                      ArithCase{10, "12345678.12345678", Op::Multiply, "87654321.8765432",
                                "1082152044017678.432251181002896"},
                      ArithCase{16, "FF", Op::Multiply, "FF", "FE01"},
                      ArithCase{16, "1.8", Op::Multiply, "2", "3"},
                      ArithCase{16, "0.8", Op::Multiply, "0.8", "0.4"},
                      ArithCase{8, "7", Op::Multiply, "7", "61"},
                      ArithCase{8, "0.4", Op::Multiply, "0.4", "0.2"},
                      ArithCase{2, "11", Op::Multiply, "11", "1001"},
                      ArithCase{2, "0.1", Op::Multiply, "0.1", "0.01"},
                      ArithCase{2, "-1.1", Op::Multiply, "10", "-11"}));

// Long operands are multiplied whole: every digit of the product is exact.
INSTANTIATE_TEST_SUITE_P(
    LongFirstOperand, MultiplyDivide,
    ::testing::Values(
        ArithCase{10, "12345678901234567890123", Op::Multiply, "1.5", "18518518351851851835184.5"},
        ArithCase{10, "123456789012345678901.5", Op::Multiply, "2.5", "308641972530864197253.75"},
        ArithCase{10, "1234567890123456789.5", Op::Multiply, "1.5", "1851851835185185184.25"},
        ArithCase{10, "12345678901234567895123", Op::Multiply, "0.5", "6172839450617283947561.5"},
        // The integer part keeps the low 128 bits of the whole product.
        ArithCase{16, "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", Op::Multiply, "1.8",
                  "7FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFE.8"}));

INSTANTIATE_TEST_SUITE_P(
    Division, MultiplyDivide,
    ::testing::Values(
        ArithCase{10, "10", Op::Divide, "4", "2.5"}, ArithCase{10, "7", Op::Divide, "2", "3.5"},
        ArithCase{10, "1", Op::Divide, "8", "0.125"},
        ArithCase{10, "100", Op::Divide, "7", "14.2857142857142857143"},
        ArithCase{10, "1", Op::Divide, "3", "0.3333333333333333334"},
        ArithCase{10, "2", Op::Divide, "3", "0.6666666666666666667"},
        ArithCase{10, "12", Op::Divide, "4", "3"}, ArithCase{10, "6", Op::Divide, "-4", "-1.5"},
        ArithCase{10, "-6", Op::Divide, "-4", "1.5"},
        ArithCase{10, "1", Op::Divide, "-3", "-0.3333333333333333334"},
        ArithCase{10, "1.5", Op::Divide, "-0.7", "-2.1428571428571428572"},
        ArithCase{10, "1.5", Op::Divide, "0.5", "3"}, ArithCase{10, "0.5", Op::Divide, "0.25", "2"},
        ArithCase{10, "12.5", Op::Divide, "2.5", "5"},
        ArithCase{10, "0.001", Op::Divide, "4", "0.00025"},
        ArithCase{10, "10", Op::Divide, "0.001", "10000"},
        ArithCase{10, "3.0", Op::Divide, "1.5", "2"},
        ArithCase{10, "12345678901.5", Op::Divide, "0.25", "49382715606"},
        ArithCase{16, "1", Op::Divide, "3", "0.5555555555555555556"},
        ArithCase{16, "1", Op::Divide, "8", "0.2"}, ArithCase{16, "A", Op::Divide, "4", "2.8"},
        ArithCase{16, "1", Op::Divide, "0.8", "2"},
        ArithCase{8, "1", Op::Divide, "3", "0.2525252525252525253"},
        ArithCase{8, "1", Op::Divide, "2", "0.4"},
        ArithCase{2, "1", Op::Divide, "11", "0.0101010101010101011"},
        ArithCase{2, "1", Op::Divide, "10", "0.1"}));

// The quotient's own digits are exact: no trimming, and the 19th digit is
// the one raised when the expansion is cut.
INSTANTIATE_TEST_SUITE_P(
    ExactQuotientDigits, MultiplyDivide,
    ::testing::Values(
        ArithCase{2, "10000000001", Op::Divide, "100000000000", "0.10000000001"},
        ArithCase{10, "400000000", Op::Divide, "3999999999", "0.1000000000250000001"},
        // 19 highest digits raised carry into the integer part.
        ArithCase{2, "11111111111111111111", Op::Divide, "100000000000000000000", "1"},
        ArithCase{2, "-11111111111111111111", Op::Divide, "100000000000000000000", "-1"},
        ArithCase{2, "111111111111111111111", Op::Divide, "100000000000000000000", "10"},
        // A carry out of the digits after a leading zero takes that zero.
        ArithCase{2, "1111111111111111111", Op::Divide, "100000000000000000000",
                  "0.1000000000000000000"},
        // Nineteen zero digits and something left: the last one is raised.
        ArithCase{2, "1", Op::Divide, "10000000000000000000000000", "0.0000000000000000001"}));

// A divisor with 16 or 18 more fraction digits than the dividend scales it by
// 16^16 or 16^18, past 64 bits.
INSTANTIATE_TEST_SUITE_P(LongHexScale, MultiplyDivide,
                         ::testing::Values(ArithCase{16, "1", Op::Divide, "0.0000000000000001",
                                                     "10000000000000000"},
                                           ArithCase{16, "0.1", Op::Divide, "0.0000000000000000001",
                                                     "1000000000000000000"}));

INSTANTIATE_TEST_SUITE_P(
    Powers, MultiplyDivide,
    ::testing::Values(
        ArithCase{10, "2", Op::Power, "10", "1024"}, ArithCase{10, "3", Op::Power, "5", "243"},
        ArithCase{10, "10", Op::Power, "20", "100000000000000000000"},
        ArithCase{10, "7", Op::Power, "0", "1"}, ArithCase{10, "0", Op::Power, "0", "1"},
        ArithCase{10, "0", Op::Power, "5", "0"},
        ArithCase{10, "2", Op::Power, "127", "170141183460469231731687303715884105728"},
        ArithCase{10, "2", Op::Power, "128", "0"},
        // The whole 128-bit base takes part.
        ArithCase{10, "4294967296", Op::Power, "2", "18446744073709551616"},
        ArithCase{10, "18446744073709551617", Op::Power, "2", "36893488147419103233"},
        // Negative only for a negative base and an odd exponent.
        ArithCase{10, "-2", Op::Power, "3", "-8"}, ArithCase{10, "-2", Op::Power, "2", "4"},
        ArithCase{10, "2", Op::Power, "-3", "8"},
        // Large exponents are reduced by squaring, modulo 2^128.
        ArithCase{10, "3", Op::Power, "4294967295", "18887249260562353308671802171401611947"},
        ArithCase{10, "3", Op::Power, "18446744073709551617",
                  "448822581369349854671301902294056963"},
        ArithCase{16, "2", Op::Power, "7F", "80000000000000000000000000000000"},
        ArithCase{16, "10", Op::Power, "2", "100"}, ArithCase{2, "11", Op::Power, "11", "11011"},
        ArithCase{8, "2", Op::Power, "6", "100"}));

TEST(DivideNumbers, ZeroDivisorChangesNothing) {
    for (const char* divisor : {"0", "0.00", "-0"}) {
        SCOPED_TRACE(divisor);
        CalculatorState s;
        arith::prepare(s, ArithCase{10, "5", Op::Divide, divisor, ""});
        const CalculatorState before = s;
        EXPECT_EQ(divideNumbers(s), DivisionOutcome::ZeroDivisor);
        EXPECT_EQ(s.entryText, before.entryText);
        EXPECT_EQ(s.limbResult, before.limbResult);
        EXPECT_EQ(s.firstOperand, before.firstOperand);
        EXPECT_EQ(s.realValue, before.realValue);
        EXPECT_EQ(s.pendingOp, before.pendingOp);
    }
}

TEST(DivideNumbers, NonZeroDivisorIsDone) {
    CalculatorState s;
    arith::prepare(s, ArithCase{10, "5", Op::Divide, "0.5", ""});
    EXPECT_EQ(divideNumbers(s), DivisionOutcome::Done);
    EXPECT_EQ(s.entryText, "10");
}

// A divisor that needs two limbs is divided on the real side, with all the
// real quotient's fraction digits.
TEST(DivideNumbers, WideIntegerDivisorGoesToTheRealSide) {
    CalculatorState s;
    arith::prepare(s, ArithCase{10, "1", Op::Divide, "4294967296", ""});
    EXPECT_EQ(divideNumbers(s), DivisionOutcome::Done);
    EXPECT_EQ(s.entryText, "0.0000000002328306437");
    EXPECT_EQ(s.firstReal, s.realValue);
}

TEST(DivideNumbers, WideDigitsOfAFractionalDivisorGoToTheRealSide) {
    CalculatorState s;
    arith::prepare(s, ArithCase{10, "1", Op::Divide, "123456.123456", ""});
    const LimbNumber divisor = s.limbResult;
    EXPECT_EQ(divideNumbers(s), DivisionOutcome::Done);
    EXPECT_EQ(s.entryText.substr(0, 17), "0.000008100043740");
    EXPECT_EQ(s.entryText.size(), 21U);
    // The limb side is not touched.
    EXPECT_EQ(s.limbResult, divisor);
}

TEST(DivideNumbers, DivisorDigitsJustBelowTwoToThe32StayExact) {
    // 4294967.295 reads as the digits 4294967295, one limb.
    CalculatorState s;
    EXPECT_EQ(arith::calculate(s, ArithCase{10, "4294967.295", Op::Divide, "4294967.295", ""}),
              "1");
    EXPECT_EQ(arith::calculate(s, ArithCase{10, "1", Op::Divide, "4294967.296", ""}).size(), 21U);
}

TEST(ScaledMultiplyDivide, PointIndexAndScales) {
    CalculatorState s;
    EXPECT_EQ(arith::calculate(s, ArithCase{10, "-0.05", Op::Multiply, "0.5", ""}), "-0.025");
    EXPECT_EQ(s.pointIndex, 2U);
    EXPECT_EQ(s.firstScale, 2U);
    EXPECT_EQ(s.secondScale, 1U);
    EXPECT_EQ(s.parseLimitMode, 0U);
}

TEST(ScaledMultiplyDivide, QuotientPointMovesLeft) {
    CalculatorState s;
    EXPECT_EQ(arith::calculate(s, ArithCase{10, "1.4", Op::Divide, "0.7", ""}), "2");
    EXPECT_EQ(arith::calculate(s, ArithCase{10, "0.14", Op::Divide, "7", ""}), "0.02");
    EXPECT_EQ(s.pointIndex, 0U);
    EXPECT_EQ(arith::calculate(s, ArithCase{10, "1.00", Op::Divide, "3", ""}),
              "0.3333333333333333334");
}

TEST(LimbDivide, FractionDigitsGoThroughFirstFracText) {
    CalculatorState s;
    arith::prepare(s, ArithCase{10, "22", Op::Divide, "7", ""});
    s.quotientOnly = 0;
    limbDivide(s);
    EXPECT_EQ(s.quotientLimbs, (Limbs4{0, 0, 0, 3}));
    // The 19 digits of 1/7 as they were produced, before the last one is raised.
    EXPECT_EQ(s.firstFracText, "1428571428571428571");
    EXPECT_EQ(s.limbResult.fracDigits, 19U);
    EXPECT_EQ(s.limbResult.limbs[6] * 4294967296ULL + s.limbResult.limbs[7],
              1428571428571428572ULL);
}

}  // namespace
}  // namespace korvo
