// Signed addition and subtraction: sign rules, the carry and the borrow
// between fraction and integer part, the padding of differences, and the
// operand order and scale alignment they rest on.
#include "intmath/signedarith.h"

#include <gtest/gtest.h>

#include "intmath/limbs.h"
#include "tests/intmath/arith_fixture.h"

namespace korvo {
namespace {

using arith::ArithCase;
using arith::Op;

class SignedArithmetic : public ::testing::TestWithParam<ArithCase> {};

TEST_P(SignedArithmetic, EntryText) {
    const ArithCase& c = GetParam();
    CalculatorState s;
    EXPECT_EQ(arith::calculate(s, c), c.expected);
    EXPECT_EQ(s.signSwitched, 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Signs, SignedArithmetic,
    ::testing::Values(
        ArithCase{10, "2", Op::Add, "3", "5"}, ArithCase{10, "5", Op::Subtract, "7", "-2"},
        ArithCase{10, "-3", Op::Add, "5", "2"}, ArithCase{10, "3", Op::Add, "-5", "-2"},
        ArithCase{10, "-3", Op::Add, "-5", "-8"}, ArithCase{10, "-3", Op::Subtract, "5", "-8"},
        ArithCase{10, "3", Op::Subtract, "-3", "6"}, ArithCase{10, "5", Op::Subtract, "5", "0"},
        // Equal magnitudes keep their order: the first sign stays.
        ArithCase{10, "-3", Op::Add, "3", "-0"}, ArithCase{10, "-5", Op::Subtract, "-3", "-2"},
        ArithCase{10, "-3", Op::Subtract, "-5", "2"}, ArithCase{10, "-3", Op::Subtract, "-3", "0"},
        ArithCase{10, "7", Op::Subtract, "5", "2"}));

INSTANTIATE_TEST_SUITE_P(
    CarryIntoInteger, SignedArithmetic,
    ::testing::Values(ArithCase{10, "0.5", Op::Add, "0.7", "1.2"},
                      // A surplus leading zero is not a carry.
                      ArithCase{10, "0.05", Op::Add, "0.05", "0.10"},
                      ArithCase{10, "0.0999", Op::Add, "0.95", "1.0499"},
                      ArithCase{10, "0.95", Op::Add, "0.0999", "1.0499"},
                      ArithCase{10, "5.05", Op::Add, "0.96", "6.01"},
                      ArithCase{10, "0.5", Op::Subtract, "-0.7", "1.2"},
                      ArithCase{10, "-0.5", Op::Subtract, "0.7", "-1.2"},
                      ArithCase{10, "0.06", Op::Add, "1", "1.06"},
                      ArithCase{10, "1", Op::Add, "0.06", "1.06"},
                      ArithCase{10, "-123", Op::Subtract, "0.01", "-123.01"},
                      ArithCase{10, "0.0005", Op::Add, "1.00", "1.0005"},
                      // The scale of 10.00 counts although it prints no fraction.
                      ArithCase{10, "10.00", Op::Add, "1.3", "11.30"},
                      ArithCase{10, "1.3", Op::Add, "10.00", "11.30"}));

INSTANTIATE_TEST_SUITE_P(BorrowAndPad, SignedArithmetic,
                         ::testing::Values(ArithCase{10, "1.5", Op::Subtract, "1.25", "0.25"},
                                           ArithCase{10, "0.5", Op::Subtract, "0.25", "0.25"},
                                           ArithCase{10, "0.25", Op::Subtract, "0.5", "-0.25"},
                                           ArithCase{10, "1.25", Op::Subtract, "0.5", "0.75"},
                                           ArithCase{10, "3.25", Op::Subtract, "1.5", "1.75"},
                                           ArithCase{10, "1.001", Op::Subtract, "0.999", "0.002"},
                                           ArithCase{10, "0.105", Op::Subtract, "0.1", "0.005"},
                                           ArithCase{10, "0.15", Op::Subtract, "0.1", "0.05"},
                                           ArithCase{10, "1.01", Op::Subtract, "0.99", "0.02"},
                                           ArithCase{10, "1.5", Op::Subtract, "0.50", "1"},
                                           ArithCase{10, "2.5", Op::Subtract, "1.5", "1"},
                                           ArithCase{10, "10.00", Op::Subtract, "1.3", "8.7"},
                                           ArithCase{10, "-1.25", Op::Subtract, "-0.5", "-0.75"}));

// Fractions between bases are whole numbers of digits: 0.8 in hex is a half.
INSTANTIATE_TEST_SUITE_P(
    OtherRadices, SignedArithmetic,
    ::testing::Values(
        ArithCase{16, "A", Op::Add, "5", "F"}, ArithCase{16, "FF", Op::Add, "1", "100"},
        ArithCase{16, "1", Op::Subtract, "2", "-1"}, ArithCase{16, "0.8", Op::Add, "0.8", "1"},
        ArithCase{16, "0.F", Op::Add, "0.1", "1"}, ArithCase{16, "0.08", Op::Add, "0.08", "0.10"},
        ArithCase{16, "1.4", Op::Subtract, "0.8", "0.C"},
        ArithCase{16, "1.01", Op::Subtract, "0.FF", "0.02"},
        ArithCase{16, "a.8", Op::Add, "0.c", "B.4"}, ArithCase{8, "7", Op::Add, "1", "10"},
        ArithCase{8, "0.4", Op::Add, "0.4", "1"}, ArithCase{8, "0.7", Op::Add, "0.7", "1.6"},
        ArithCase{8, "0.04", Op::Add, "0.04", "0.10"},
        ArithCase{8, "1.2", Op::Subtract, "0.4", "0.6"}, ArithCase{2, "1", Op::Add, "1", "10"},
        ArithCase{2, "0.1", Op::Add, "0.1", "1"}, ArithCase{2, "0.01", Op::Add, "0.01", "0.10"},
        ArithCase{2, "1.01", Op::Subtract, "0.1", "0.11"},
        ArithCase{2, "101", Op::Subtract, "111", "-10"}, ArithCase{2, "-1", Op::Add, "1", "-0"},
        ArithCase{2, "0.001", Op::Subtract, "0.1", "-0.011"}));

// Hex fractions of 17 to 19 digits hold up to 76 bits; aligning one to a
// longer scale keeps every bit.
INSTANTIATE_TEST_SUITE_P(
    LongHexFractions, SignedArithmetic,
    ::testing::Values(ArithCase{16, "0.12345678901234567", Op::Add, "0.0000000000000000001",
                                "0.1234567890123456701"},
                      ArithCase{16, "0.0000000000000000001", Op::Add, "0.12345678901234567",
                                "0.1234567890123456701"},
                      ArithCase{16, "0.12345678901234567", Op::Subtract, "0.0000000000000000001",
                                "0.12345678901234566FF"},
                      ArithCase{16, "0.FFFFFFFFFFFFFFFFF", Op::Add, "0.0000000000000000001",
                                "0.FFFFFFFFFFFFFFFFF01"}));

TEST(AlignOperands, ExchangeMovesTheLargerMagnitudeAndItsTextsFirst) {
    CalculatorState s;
    arith::prepare(s, ArithCase{10, "0.25", Op::Subtract, "0.5", ""});
    EXPECT_EQ(s.resultSign, 0U);
    EXPECT_EQ(s.firstOperand.fracDigits, 1U);
    EXPECT_EQ(s.firstFracText, "5");
    EXPECT_EQ(s.fracText, "25");
    EXPECT_EQ(s.fracWidth, 1U);
    // The shorter fraction is brought to two digits; limbA and limbB hold
    // both operands at that scale.
    EXPECT_EQ(s.limbA, (Limbs8{0, 0, 0, 0, 0, 0, 0, 50}));
    EXPECT_EQ(s.limbB, (Limbs8{0, 0, 0, 0, 0, 0, 0, 25}));
}

TEST(AlignOperands, EqualMagnitudesStayInOrder) {
    CalculatorState s;
    arith::prepare(s, ArithCase{10, "-3", Op::Add, "3", ""});
    EXPECT_EQ(s.resultSign, 1U);
    EXPECT_EQ(s.firstOperand.negative, 1U);
    EXPECT_EQ(s.firstSign, 1U);
}

TEST(AlignOperands, FractionsCompareAtTheLongerScale) {
    // 0.5 is larger than 0.25 although its fraction value is smaller.
    CalculatorState s;
    arith::prepare(s, ArithCase{10, "0.5", Op::Add, "0.25", ""});
    EXPECT_EQ(s.resultSign, 1U);
    EXPECT_EQ(s.firstFracText, "5");
}

TEST(AlignOperands, SmallerLeadingZeroCountIgnoresZeroFractions) {
    CalculatorState s;
    arith::prepare(s, ArithCase{10, "1.00", Op::Add, "0.0005", ""});
    EXPECT_EQ(s.limbResult.fracZeros, 3U);
    arith::prepare(s, ArithCase{10, "0.05", Op::Add, "0.5", ""});
    EXPECT_EQ(s.limbResult.fracZeros, 0U);
}

TEST(AlignOperands, DivisionKeepsTheDivisorsLeadingZeros) {
    CalculatorState s;
    arith::prepare(s, ArithCase{10, "0.5", Op::Divide, "0.005", ""});
    EXPECT_EQ(s.limbResult.fracZeros, 2U);
    // Multiplication and division are never reordered.
    EXPECT_EQ(s.firstFracText, "5");
}

TEST(SignedSubtract, PadStepRewritesEntryAndFractionButNotFormatText) {
    CalculatorState s;
    EXPECT_EQ(arith::calculate(s, ArithCase{10, "1.001", Op::Subtract, "0.999", ""}), "0.002");
    EXPECT_EQ(s.fracText, "002");
    EXPECT_EQ(s.formatText, "0.2");
    EXPECT_EQ(s.pendingOp, 0U);
}

TEST(SignedAdd, HandOverToSubtractLeavesPendingOpAtZero) {
    CalculatorState s;
    EXPECT_EQ(arith::calculate(s, ArithCase{10, "3", Op::Add, "-5", ""}), "-2");
    EXPECT_EQ(s.pendingOp, 0U);
}

TEST(SignedSubtract, HandOverToAddLeavesPendingOpAtAdd) {
    CalculatorState s;
    EXPECT_EQ(arith::calculate(s, ArithCase{10, "3", Op::Subtract, "-3", ""}), "6");
    EXPECT_EQ(s.pendingOp, 1U);
}

TEST(SignedAdd, CarryReachesEveryIntegerLimb) {
    // 2^32 - 1 + 0.5 + 0.5 carries from the fraction through limb 3 into limb 2.
    CalculatorState s;
    EXPECT_EQ(arith::calculate(s, ArithCase{10, "4294967295.5", Op::Add, "0.5", ""}), "4294967296");
    EXPECT_EQ(s.limbResult.limbs[2], 1U);
    EXPECT_EQ(s.limbResult.limbs[3], 0U);
}

TEST(SignedSubtract, BorrowReachesEveryIntegerLimb) {
    CalculatorState s;
    EXPECT_EQ(arith::calculate(s, ArithCase{10, "4294967296.25", Op::Subtract, "0.5", ""}),
              "4294967295.75");
}

TEST(SignedAdd, SumPastTheIntegerRangeWraps) {
    // 2^127 + 2^127 = 2^128, which is 0 in 128 bits.
    CalculatorState s;
    EXPECT_EQ(arith::calculate(s, ArithCase{16, "80000000000000000000000000000000", Op::Add,
                                            "80000000000000000000000000000000", ""}),
              "0");
}

}  // namespace
}  // namespace korvo
