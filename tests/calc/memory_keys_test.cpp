// The memory keys: the register survives C, MR shows exactly what was
// stored, M+ and M- are exact with fractions, and the indicator follows.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "key_sequence.h"

namespace korvo::keys_test {
namespace {

INSTANTIATE_TEST_SUITE_P(
    Memory, SameInBothModes,
    ::testing::Values(KeyCase{"SurvivesClear", "5 MS Clear MR", "5"},
                      KeyCase{"StoreEmptiesTheEntry", "5 MS =", ""},
                      KeyCase{"RecallShowsTheStoredFraction", "0.05 MS 1 MR", "0.05"},
                      KeyCase{"RecallRightAfterStore", "0.05 MS MR", "0.05"},
                      KeyCase{"RecallAfterOtherResults", "0.05 MS Clear 2 x 3 = MR", "0.05"},
                      KeyCase{"AddOnEmptyMemoryStores", "5 M+ 5 M+ MR", "10"},
                      KeyCase{"SubtractOnEmptyMemoryStores", "5 M- MR", "5"},
                      KeyCase{"SubtractBelowZero", "3 MS 10 M- MR", "-7"},
                      KeyCase{"AddFractions", "1.5 MS 2.25 M+ MR", "3.75"},
                      KeyCase{"AddFractionsWithCarry", "0.5 MS 0.75 M+ MR", "1.25"},
                      KeyCase{"SubtractWithBorrow", "1.25 MS 0.5 M- MR", "0.75"},
                      KeyCase{"SubtractLeadingZeros", "1.001 MS 0.999 M- MR", "0.002"},
                      KeyCase{"RepeatedSums", "1.5 MS 2.25 M+ 0.25 M+ 0.125 M- MR", "3.875"},
                      KeyCase{"AddEmptiesTheEntry", "1 MS 2 M+", ""},
                      KeyCase{"AddDropsThePendingOperation", "1 MS Clear 2 + 3 M+ MR", "4"},
                      KeyCase{"RecallAsSecondOperand", "7 MS Clear 2 + 3 MR =", "9"},
                      KeyCase{"RecallForHypotenuse", "4 MS Clear 3 HYP MR =", "5"},
                      KeyCase{"RecallForPower", "3 MS Clear 2 x^N MR =", "8"},
                      KeyCase{"RecallFirstOperandWhenNothingWaits", "6 MS 2 MR + 1 =", "7"},
                      KeyCase{"ClearedMemoryRecallsZero", "5 MS MC MR", "0"}),
    caseName);

INSTANTIATE_TEST_SUITE_P(Memory, OneMode,
                         ::testing::Values(KeyCase{"HexFractions", "Hex A.8 MS 1.C M+ MR", "C.4"}),
                         caseName);

TEST(Memory, BothSidesFollowEveryKey) {
    inBothModes("1.5 MS 2.25 M+", [](Calculator& c) {
        EXPECT_EQ(c.s.memoryHeld, 1U);
        EXPECT_EQ(c.s.memoryNumber, limbsOf("3.75"));
        EXPECT_EQ(c.s.memoryReal, realOf("3.75"));
        c.run("Clear MR");
        EXPECT_EQ(c.ws.readout().hexadecimal.text, "3.4B");
        EXPECT_EQ(c.s.limbResult, c.s.memoryNumber);
        EXPECT_EQ(c.s.realValue, realOf("3.75"));
        c.run("MC");
        EXPECT_EQ(c.s.memoryHeld, 0U);
        EXPECT_EQ(c.s.memoryNumber, LimbNumber{});
        EXPECT_TRUE(c.s.memoryReal.isZero());
    });
}

TEST(Memory, IndicatorFollowsTheKeys) {
    Calculator calc;
    const std::string blank{text::kBlank};
    const std::vector<std::pair<const char*, std::string>> steps = {
        {"5 MS", "M"}, {"MC", blank},  {"2 M+", "M"}, {"MC", blank},
        {"2 M-", "M"}, {"Clear", "M"}, {"MR", "M"},   {"MC", blank},
    };
    for (const auto& [keys, indicator] : steps) {
        calc.run(keys);
        EXPECT_EQ(calc.ws.memoryIndicator(), indicator) << keys;
    }
}

// Recalled while an operation waits, the memory is the second operand and
// the real side's first operand stays.
TEST(Memory, RecallKeepsAWaitingFirstReal) {
    for (const char* keys : {"Float 6 MS Clear 20 /", "Float 6 MS Clear 20 x^N"}) {
        Calculator calc;
        calc.run(keys);
        calc.run("MR");
        EXPECT_EQ(calc.s.firstReal, realOf("20")) << keys;
    }
}

// The memory's real side is only mirrored as text: a number too long to
// show beside its fraction keeps its value, and so does the entry's real.
TEST(Memory, LongRealsAreMirroredNotWiped) {
    Calculator calc;
    calc.run("900000000000000000.5 MS 900000000000000000.25");
    const Real80 entry = calc.s.realValue;
    ASSERT_FALSE(entry.isZero());
    calc.run("M+");
    EXPECT_EQ(calc.s.realValue, entry);
    calc.run("Clear MR");
    EXPECT_EQ(calc.entry(), "1800000000000000000.75");
    EXPECT_EQ(calc.s.realValue, calc.s.memoryReal);
    EXPECT_FALSE(calc.s.realValue.isZero());
}

}  // namespace
}  // namespace korvo::keys_test
