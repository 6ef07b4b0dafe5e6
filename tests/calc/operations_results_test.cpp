// Operator keys, "=", HYP and x to the N: left to right without precedence,
// in both modes; a zero divisor; what a result leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "key_sequence.h"

namespace korvo::keys_test {
namespace {

TEST_P(SameInBothModes, ShowsTheEntry) {
    inBothModes(GetParam().keys, [](Calculator& c) { EXPECT_EQ(c.entry(), GetParam().entry); });
}

TEST_P(OneMode, ShowsTheEntry) {
    Calculator calc;
    calc.run(GetParam().keys);
    EXPECT_EQ(calc.entry(), GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(
    Results, SameInBothModes,
    ::testing::Values(
        KeyCase{"LeftToRight", "2 + 3 x 4 =", "20"},
        KeyCase{"RepeatedOperatorUsesTheEntryAgain", "2 + + 3 =", "7"},
        KeyCase{"Subtraction", "5 - 7 =", "-2"}, KeyCase{"Division", "10 / 4 =", "2.5"},
        KeyCase{"FractionCarry", "0.5 + 0.7 =", "1.2"},
        KeyCase{"ScaledProduct", "1.5 x 2.2 =", "3.3"}, KeyCase{"Hypotenuse", "3 HYP 4 =", "5"},
        KeyCase{"HypotenuseOfFraction", "1.5 HYP 2 =", "2.5"},
        KeyCase{"PowerOfWholeNumbers", "2 x^N 10 =", "1024"},
        KeyCase{"PowerZero", "2 x^N 0 =", "1"}, KeyCase{"PowerOfFraction", "2.5 x^N 2 =", "6.25"},
        KeyCase{"NegativeExponent", "2 x^N 1 +/- =", "0.5"},
        KeyCase{"ChainAfterResult", "2 + 3 = x 4 =", "20"},
        KeyCase{"EqualsAgainChangesNothing", "2 + 3 = =", "5"},
        KeyCase{"EqualsWithNothingPending", "7 =", "7"},
        KeyCase{"DivideByTheEntryAgain", "8 / =", "1"},
        KeyCase{"ZeroDivisorAtEquals", "8 / 0 =", kOutOfRange},
        KeyCase{"ZeroDivisorWithPoint", "5 / 0.0 =", kOutOfRange},
        KeyCase{"ZeroDivisorAtChainedKey", "8 / 0 +", kOutOfRange},
        KeyCase{"ZeroDivisorAtHypotenuse", "8 / 0 HYP", kOutOfRange},
        KeyCase{"ZeroDivisorAtMemoryStore", "8 / 0 MS", kOutOfRange},
        KeyCase{"MessageBlocksTheKeypad", "8 / 0 = 5 + 3 = sqrt MR", kOutOfRange},
        KeyCase{"ClearEntryEndsTheMessage", "8 / 0 = CE 6 x 7 =", "42"},
        KeyCase{"BackSpaceEndsTheMessage", "8 / 0 = BS", ""},
        KeyCase{"MessageLeavesNothingPending", "8 / 0 + CE 4 =", "4"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Results, OneMode,
    ::testing::Values(
        // The skipped division waits; the empty entry became the first operand.
        KeyCase{"SkippedDivisionKeepsTheDividend", "8 / / 2 =", "4"},
        KeyCase{"RealRepeatedDivideUsesTheNumber", "Float 8 / / 2 =", "0.5"},
        KeyCase{"EmptyDivisorWaits", "0 / / 5 =", "0"},
        // Percent in a chain works on the running result in both modes.
        KeyCase{"PercentInAChainOnLimbs", "2 + 3 + 10 % =", "5.50"},
        KeyCase{"PercentInAChainOnReals", "Float 2 + 3 + 10 % =", "5.5"},
        // The first operand's texts as they stand after a result.
        KeyCase{"PercentAfterAResult", "2.5 + 1.25 = 3 %", "0.093825"},
        // On reals the divisor is the current real, typed again or not.
        KeyCase{"RealZeroDivisorWithEmptyEntryWaits", "Float 0 / /", ""},
        KeyCase{"PowerOfNegativeBase", "2 +/- x^N 3 =", "-8"},
        KeyCase{"PowerOfNegativeBaseOnReals", "Float 2 +/- x^N 3 =", "-8"},
        KeyCase{"PowerTo127", "2 x^N 127 =", "170141183460469231731687303715884105728"},
        KeyCase{"PowerWrapsAt128Bits", "2 x^N 128 =", "0"},
        KeyCase{"NegativeZeroExponent", "2 x^N 0 +/- =", "1"},
        KeyCase{"HexadecimalChain", "Hex FF + 1 x 2 =", "200"},
        KeyCase{"BinaryDivision", "Bin 1 / 100 =", "0.01"},
        KeyCase{"LongProductOnLimbs",
                "4294967296 x 4294967296 x 4294967296 =", "79228162514264337593543950336"},
        KeyCase{"LongProductOnReals", "Float 4294967296 x 4294967296 x 4294967296 =", kOutOfRange}),
    caseName);

// A zero divisor ends the calculation as an out-of-range result does.
TEST(ZeroDivisor, LeavesTheStateFresh) {
    for (const char* keys : {"8 / 0 =", "8 / 0 -", "0 1/x"}) {
        inBothModes(keys, [](Calculator& c) {
            EXPECT_EQ(c.entry(), kOutOfRange);
            EXPECT_TRUE(c.s.realValue.isZero());
            EXPECT_EQ(c.s.limbResult, limbsOf(""));
            EXPECT_EQ(c.s.pendingOp + c.s.firstOperandSet + c.s.reciprocalMode, 0U);
            // As after any out-of-range result, the unit rounds toward zero.
            EXPECT_EQ(c.s.fpu.controlWord, kTruncateControlWord);
        });
    }
}

// After a result both numbers hold exactly the shown digits, the readout
// shows them and nothing is pending.
TEST(ResultStep, ReDerivesBothNumbersFromTheShownText) {
    for (const char* keys : {"2 + 3 =", "10 / 4 =", "1 / 3 =", "2 x^N 0.5 =", "3 HYP 5 ="}) {
        inBothModes(keys, [](Calculator& c) {
            const std::string shown = c.entry();
            EXPECT_EQ(c.s.limbResult, limbsOf(shown));
            EXPECT_EQ(c.s.realValue, realOf(shown));
            EXPECT_TRUE(c.s.firstReal.isZero());
            EXPECT_EQ(c.ws.readout().decimal.text, shown);
            EXPECT_EQ(c.ws.caret(), shown.size());
            EXPECT_EQ(
                c.s.firstOperandSet + c.s.pendingOp + c.s.powerPending + c.s.hypotenusePending, 0U);
        });
    }
}

TEST(OperatorIndicator, ShowsTheLastOperatorKey) {
    Calculator calc;
    const std::string blank{text::kBlank};
    const std::vector<std::pair<const char*, std::string>> steps = {
        {"2 +", "+"}, {"3 -", "-"},   {"4 x", "x"}, {"5 /", "/"},   {"6 =", "="},
        {"7", blank}, {"HYP", blank}, {"2 =", "="}, {"x^N", blank}, {"%", blank},
    };
    for (const auto& [keys, indicator] : steps) {
        calc.run(keys);
        EXPECT_EQ(calc.ws.operatorIndicator(), indicator) << keys;
    }
}

// "=" with nothing pending changes nothing, on either side.
TEST(EqualsWithNothingPending, LeavesNumbersAndUnitAlone) {
    inBothModes("1.25 MS 2.5", [](Calculator& c) {
        const LimbNumber typed = c.s.limbResult;
        const std::uint16_t controlWord = c.s.fpu.controlWord;
        c.run("=");
        EXPECT_EQ(c.entry(), "2.5");
        EXPECT_EQ(c.s.limbResult, typed);
        EXPECT_EQ(c.s.fpu.controlWord, controlWord);
    });
}

}  // namespace
}  // namespace korvo::keys_test
