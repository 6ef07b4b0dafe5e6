// The percent key: first operand x entry x 0.01, shown without ending the
// calculation, so "=" then applies the kept operation to the percentage.
#include <gtest/gtest.h>

#include "key_sequence.h"

namespace korvo::keys_test {
namespace {

INSTANTIATE_TEST_SUITE_P(
    Percent, SameInBothModes,
    ::testing::Values(KeyCase{"ShowsThePercentage", "200 + 10 %", "20"},
                      KeyCase{"EqualsAddsIt", "200 + 10 % =", "220"},
                      KeyCase{"EqualsSubtractsIt", "200 - 10 % =", "180"},
                      KeyCase{"EqualsMultipliesByIt", "50 x 10 % =", "250"},
                      KeyCase{"FractionalEntry", "200 + 1.5 %", "3"},
                      KeyCase{"FractionalFirstOperand", "1.5 + 10 %", "0.15"},
                      KeyCase{"FractionalFirstOperandEquals", "1.5 + 10 % =", "1.65"},
                      KeyCase{"ProductKeepsItsScale", "2 + 5 %", "0.10"},
                      KeyCase{"BaseChangeShowsThePercentage", "200 + 10 % Hex", "14"},
                      KeyCase{"ChainUsesTheRunningResult", "2 + 3 + 10 %", "0.50"},
                      // "=" reads the percentage's texts, not the real's.
                      KeyCase{"EqualsMultipliesByAFraction", "3 x 50 % =", "4.5"},
                      KeyCase{"EqualsDividesByAFraction", "3 / 50 % =", "2"},
                      KeyCase{"EqualsSubtractsAFraction", "1.25 - 50 % =", "0.625"},
                      KeyCase{"PadsToThePercentagesWidth", "0.0625 - 96 % =", "0.0025"},
                      // The first operand taken last stays, however long ago.
                      KeyCase{"WithoutPendingOperation", "200 + 10 = Clear 40 %", "80"}),
    caseName);

TEST(Percent, RealSideTakesTheShownPercentage) {
    inBothModes("200 + 10 %", [](Calculator& c) {
        EXPECT_EQ(c.s.realValue, realOf("20"));
        EXPECT_EQ(c.s.realIntText, "20");
        EXPECT_EQ(c.s.realFracText, "");
    });
    // Too long for the real text, it still sets the current real.
    Calculator calc;
    calc.run("900000000000000000000 + 10 %");
    EXPECT_EQ(calc.s.realValue, realOf("90000000000000000000"));
}

TEST(Percent, KeepsTheOperationAndTheReadout) {
    Calculator calc;
    calc.run("200 + 10");
    const ReadoutPicture before = calc.ws.readout();
    calc.run("%");
    EXPECT_NE(calc.ws.readout(), before);
    EXPECT_EQ(calc.s.pendingOp, 1U);
    EXPECT_EQ(calc.s.firstOperand, limbsOf("200"));
    EXPECT_EQ(calc.s.firstIntText, "200");
    EXPECT_EQ(calc.s.fracWidth, 0U);
    // Without an operation the product becomes the first operand.
    calc.run("= Clear 40 %");
    EXPECT_EQ(calc.s.firstOperandSet, 1U);
    EXPECT_EQ(calc.s.firstOperand, limbsOf("8000"));
}

}  // namespace
}  // namespace korvo::keys_test
