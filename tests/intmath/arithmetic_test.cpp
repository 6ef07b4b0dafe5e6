// Integer-mode arithmetic as the operator keys run it: "radix first op second
// = entry", with op one of + - x / ^ (x to the N).
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "floatmath/realtext.h"
#include "intmath/muldiv.h"
#include "intmath/numbertext.h"
#include "intmath/signedarith.h"

namespace korvo {
namespace {

void enter(CalculatorState& s, const std::string& text) {
    s.workText = text;
    parseNumber(s);
    formatNumber(s);
    s.workText = text;
    parseReal(s);
}

// The operator step: the first text becomes firstOperand, the second the
// current number; then the operands are aligned and the operation runs.
std::string calculate(CalculatorState& s, const std::string& row) {
    std::istringstream in(row);
    std::string first;
    std::string op;
    std::string second;
    in >> s.radix >> first >> op >> second;
    enter(s, first);
    s.firstIntText = s.intText;
    s.firstFracText = s.fracText;
    s.fracWidth = static_cast<std::uint32_t>(s.fracText.size());
    s.firstOperand = s.limbResult;
    s.firstReal = s.realValue;
    enter(s, second);
    s.pendingOp = op == "^" ? PendingOperation::None
                            : static_cast<PendingOperation>(std::string("+-x/").find(op) + 1);
    alignOperands(s);
    if (op == "+") {
        signedAdd(s);
    } else if (op == "-") {
        signedSubtract(s);
    } else if (op == "x") {
        multiplyNumbers(s);
    } else if (op == "/") {
        EXPECT_EQ(divideNumbers(s), DivisionOutcome::Done);
    } else {
        integerPower(s);
    }
    return s.entryText;
}

class Arithmetic : public ::testing::TestWithParam<const char*> {};

TEST_P(Arithmetic, GivesTheEntry) {
    const std::string row = GetParam();
    const std::size_t equals = row.rfind(" = ");
    CalculatorState s;
    EXPECT_EQ(calculate(s, row.substr(0, equals)), row.substr(equals + 3));
}

INSTANTIATE_TEST_SUITE_P(
    AddSubtract, Arithmetic,
    ::testing::Values(
        // Signs; equal magnitudes keep their order, so the first sign stays.
        "10 -3 + 5 = 2", "10 3 + -5 = -2", "10 -3 + -5 = -8", "10 -3 - 5 = -8", "10 3 - -3 = 6",
        "10 5 - 5 = 0", "10 -3 + 3 = -0", "10 -5 - -3 = -2", "10 -3 - -5 = 2", "10 7 - 5 = 2",
        // The carry from the fraction; a surplus leading zero is not one.
        "10 0.5 + 0.7 = 1.2", "10 0.05 + 0.05 = 0.10", "10 0.0999 + 0.95 = 1.0499",
        "10 0.95 + 0.0999 = 1.0499", "10 5.05 + 0.96 = 6.01", "10 0.5 - -0.7 = 1.2",
        "10 -0.5 - 0.7 = -1.2", "10 1 + 0.06 = 1.06", "10 -123 - 0.01 = -123.01",
        "10 0.0005 + 1.00 = 1.0005", "10 10.00 + 1.3 = 11.30", "10 1.3 + 10.00 = 11.30",
        "10 4294967295.5 + 0.5 = 4294967296",
        // The borrow and the zeros it leaves in front of the fraction.
        "10 1.5 - 1.25 = 0.25", "10 0.25 - 0.5 = -0.25", "10 1.25 - 0.5 = 0.75",
        "10 3.25 - 1.5 = 1.75", "10 1.001 - 0.999 = 0.002", "10 0.105 - 0.1 = 0.005",
        "10 1.01 - 0.99 = 0.02", "10 1.5 - 0.50 = 1", "10 10.00 - 1.3 = 8.7",
        "10 -1.25 - -0.5 = -0.75", "10 4294967296.25 - 0.5 = 4294967295.75",
        // Fractions between radices are whole numbers of digits.
        "16 FF + 1 = 100", "16 0.8 + 0.8 = 1", "16 0.F + 0.1 = 1", "16 0.08 + 0.08 = 0.10",
        "16 1.4 - 0.8 = 0.C", "16 1.01 - 0.FF = 0.02", "16 a.8 + 0.c = B.4", "8 7 + 1 = 10",
        "8 0.7 + 0.7 = 1.6", "8 1.2 - 0.4 = 0.6", "2 0.1 + 0.1 = 1", "2 1.01 - 0.1 = 0.11",
        "2 101 - 111 = -10", "2 0.001 - 0.1 = -0.011",
        // Up to 76 fraction bits in hex; and the 128-bit wrap.
        "16 0.12345678901234567 + 0.0000000000000000001 = 0.1234567890123456701",
        "16 0.0000000000000000001 + 0.12345678901234567 = 0.1234567890123456701",
        "16 0.12345678901234567 - 0.0000000000000000001 = 0.12345678901234566FF",
        "16 80000000000000000000000000000000 + 80000000000000000000000000000000 = 0"));

INSTANTIATE_TEST_SUITE_P(
    MultiplyDivide, Arithmetic,
    ::testing::Values(
        "10 12 x 34 = 408", "10 -1.5 x -2.5 = 3.75", "10 -1.5 x 2 = -3", "10 0.1 x 0.1 = 0.01",
        "10 -0.05 x 0.5 = -0.025", "10 1.5 x 2.2 = 3.3", "10 2.5 x 0.4 = 1", "10 -3 x 4 = -12",
        "10 3 x -4 = -12", "10 -3 x -4 = 12",
        "10 18446744073709551616 x 4294967296 = 79228162514264337593543950336",
        "16 10000000000000000000000000 x 10000000000 = 0",
        "10 12345678.12345678 x 87654321.8765432 = 1082152044017678.432251181002896",
        // Rounding up carries through the low 32 bits of the product.
        "10 1.0000000001 x 2.5583907835 = 2.5583907837558390784", "16 FF x FF = FE01",
        "16 0.8 x 0.8 = 0.4", "8 7 x 7 = 61", "2 -1.1 x 10 = -11",
        // Long operands are multiplied whole; the integer part keeps the low 128 bits.
        "10 12345678901234567890123 x 1.5 = 18518518351851851835184.5",
        "10 1234567890123456789.5 x 1.5 = 1851851835185185184.25",
        "10 12345678901234567895123 x 0.5 = 6172839450617283947561.5",
        "16 FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF x 1.8 = 7FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFE.8",
        // Quotients: 19 digits, the last raised when more would follow.
        "10 10 / 4 = 2.5", "10 100 / 7 = 14.2857142857142857143",
        "10 1 / 3 = 0.3333333333333333334", "10 12 / 4 = 3", "10 6 / -4 = -1.5", "10 -6 / -4 = 1.5",
        "10 1.5 / -0.7 = -2.1428571428571428572", "10 0.5 / 0.25 = 2", "10 0.001 / 4 = 0.00025",
        "10 10 / 0.001 = 10000", "10 0.14 / 7 = 0.02", "10 1.00 / 3 = 0.3333333333333333334",
        "10 12345678901.5 / 0.25 = 49382715606", "10 4294967.295 / 4294967.295 = 1",
        "16 1 / 3 = 0.5555555555555555556", "16 A / 4 = 2.8", "8 1 / 3 = 0.2525252525252525253",
        "2 1 / 11 = 0.0101010101010101011", "2 10000000001 / 100000000000 = 0.10000000001",
        "10 400000000 / 3999999999 = 0.1000000000250000001",
        "2 11111111111111111111 / 100000000000000000000 = 1",
        "2 -11111111111111111111 / 100000000000000000000 = -1",
        "2 1111111111111111111 / 100000000000000000000 = 0.1",
        "2 1 / 10000000000000000000000000 = 0.0000000000000000001",
        "16 1 / 0.0000000000000001 = 10000000000000000",
        "16 0.1 / 0.0000000000000000001 = 1000000000000000000",
        // A divisor wider than one limb, all its digits counted, divides exactly too.
        "10 1 / 4294967296 = 0.0000000002328306437", "10 1 / 123456.123456 = 0.0000081000437402881",
        "16 FFFFFFFFFFFFFFFFFFFF / 100000001 = FFFFFFFF0000.0000FFFEFFFF0001001"));

INSTANTIATE_TEST_SUITE_P(
    Powers, Arithmetic,
    ::testing::Values("10 2 ^ 10 = 1024", "10 7 ^ 0 = 1", "10 0 ^ 0 = 1", "10 0 ^ 5 = 0",
                      "10 2 ^ 127 = 170141183460469231731687303715884105728", "10 2 ^ 128 = 0",
                      "10 18446744073709551617 ^ 2 = 36893488147419103233", "10 -2 ^ 3 = -8",
                      "10 -2 ^ 2 = 4", "10 2 ^ -3 = 8",
                      "10 3 ^ 4294967295 = 18887249260562353308671802171401611947",
                      "10 3 ^ 18446744073709551617 = 448822581369349854671301902294056963",
                      "16 2 ^ 7F = 80000000000000000000000000000000", "2 11 ^ 11 = 11011"));

TEST(Divide, ZeroDivisorChangesNothing) {
    for (const char* divisor : {"0", "0.00", "-0"}) {
        CalculatorState s;
        s.workText = "5";
        parseNumber(s);
        s.firstOperand = s.limbResult;
        enter(s, divisor);
        s.pendingOp = PendingOperation::Divide;
        alignOperands(s);
        const std::string entry = s.entryText;
        EXPECT_EQ(divideNumbers(s), DivisionOutcome::ZeroDivisor) << divisor;
        EXPECT_EQ(s.entryText, entry);
    }
}

}  // namespace
}  // namespace korvo
