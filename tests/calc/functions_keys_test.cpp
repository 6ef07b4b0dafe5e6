// The one-operand keys other than the angles: which need an entry, what they
// compute in either mode, and that they end the calculation.
#include <gtest/gtest.h>

#include <string>

#include "key_sequence.h"

namespace korvo::keys_test {
namespace {

INSTANTIATE_TEST_SUITE_P(
    Functions, SameInBothModes,
    ::testing::Values(KeyCase{"SquareRoot", "9 sqrt", "3"},
                      KeyCase{"SquareRootOfTwo", "2 sqrt", "1.414213562373095049"},
                      KeyCase{"SquareOfNegative", "3 +/- x^2", "9"},
                      KeyCase{"SquareOfFraction", "1.5 x^2", "2.25"},
                      KeyCase{"SquareOfNegativeFraction", "0.5 +/- x^2", "0.25"},
                      KeyCase{"Reciprocal", "4 1/x", "0.25"}, KeyCase{"Log", "1000 Log", "3"},
                      KeyCase{"TwoToX", "10 2^x", "1024"},
                      KeyCase{"TwoToNegative", "1 +/- 2^x", "0.5"},
                      KeyCase{"TenToXOfAWholeNumberIsExact", "3 10^x", "1000"},
                      KeyCase{"EToX", "1 e^x", "2.718281828459045235"},
                      KeyCase{"TwoToXOfOperandJustTaken", "3 + 2^x", "8"},
                      KeyCase{"DropsThePendingAddition", "2 + 9 sqrt =", "3"},
                      KeyCase{"LogOfZero", "0 Log", kOutOfRange},
                      KeyCase{"SquareRootOfNegative", "4 +/- sqrt", kOutOfRange},
                      KeyCase{"SquareRootNeedsAnEntry", "5 + sqrt", ""},
                      KeyCase{"SquareNeedsAnEntry", "5 + x^2", ""},
                      KeyCase{"ReciprocalNeedsAnEntry", "5 + 1/x", ""},
                      KeyCase{"LogNeedsAnEntry", "5 + Log", ""},
                      KeyCase{"EToXNeedsAnEntry", "5 + e^x", ""},
                      KeyCase{"PendingStaysWithoutEntry", "5 + sqrt 2 =", "7"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Functions, OneMode,
    ::testing::Values(KeyCase{"HexSquareRoot", "Hex 51 sqrt", "9"},
                      KeyCase{"HexSquare", "Hex 10 x^2", "100"},
                      KeyCase{"HexReciprocal", "Hex Float 4 1/x", "0.4"},
                      // The exact quotient is raised where it
                      // was cut; the real is rounded.
                      KeyCase{"ExactReciprocal", "3 1/x", "0.3333333333333333334"},
                      KeyCase{"RealReciprocal", "Float 3 1/x", "0.3333333333333333333"}),
    caseName);

TEST(Function, ResultIsTheNewCurrentNumber) {
    inBothModes("2 + 2 sqrt", [](Calculator& c) {
        EXPECT_EQ(c.s.limbResult, limbsOf("1.414213562373095049"));
        EXPECT_EQ(c.s.realValue, realOf("1.414213562373095049"));
        EXPECT_EQ(c.s.pendingOp + c.s.firstOperandSet, 0U);
        EXPECT_EQ(c.ws.readout().decimal.text, "1.414213562373095049");
    });
}

}  // namespace
}  // namespace korvo::keys_test
