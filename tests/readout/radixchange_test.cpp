// Rewriting the current number in the base the user picks, in both modes.
#include "readout/radixchange.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "floatmath/x87.h"
#include "readouttestsupport.h"

namespace korvo {
namespace {

using testing_support::floatState;
using testing_support::integerState;
using testing_support::pickRadix;

struct Step {
    std::uint32_t radix;
    std::string entry;
};

struct ChangeCase {
    std::string name;
    std::uint32_t floatMode;
    std::string typed;  // in radix 10
    std::vector<Step> steps;
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const ChangeCase& c, std::ostream* os) {
    *os << c.name;
}

std::string caseName(const testing::TestParamInfo<ChangeCase>& info) {
    return info.param.name;
}

class RadixChangeTest : public testing::TestWithParam<ChangeCase> {};

TEST_P(RadixChangeTest, EntryAfterEachPick) {
    const ChangeCase& c = GetParam();
    CalculatorState s = c.floatMode == 1 ? floatState(10, c.typed) : integerState(10, c.typed);
    for (const Step& step : c.steps) {
        pickRadix(s, step.radix);
        EXPECT_EQ(s.entryText, step.entry) << "after picking radix " << step.radix;
        EXPECT_EQ(s.radix, step.radix);
        EXPECT_EQ(s.formatRadix, 0U);
        EXPECT_EQ(s.formatNoEntryCopy, 0U);
        if (c.floatMode == 1) {
            // The real texts follow, so the next pick converts from here.
            EXPECT_EQ(s.realIntText + s.realFracText, step.entry);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Integer, RadixChangeTest,
    testing::Values(ChangeCase{"Byte", 0, "255", {{16, "FF"}, {2, "11111111"}, {10, "255"}}},
                    ChangeCase{"Fraction", 0, "-12.05", {{16, "-C.05"}, {8, "-14.05"}}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Float, RadixChangeTest,
    testing::Values(ChangeCase{"Fraction", 1, "12.5", {{16, "C.5"}, {10, "12.5"}}},
                    ChangeCase{"Half", 1, "0.5", {{16, "0.5"}}},
                    ChangeCase{"LeadingZeroSurvives", 1, "0.05", {{16, "0.05"}, {10, "0.05"}}},
                    ChangeCase{"Negative", 1, "-0.25", {{2, "-0.11001"}, {10, "-0.25"}}},
                    ChangeCase{"Whole", 1, "-300", {{16, "-12C"}, {8, "-454"}, {2, "-100101100"}}},
                    ChangeCase{"OutOfRange", 1, "1234567890123456789.5", {{16, "0"}}}),
    caseName);

TEST(FloatRadixChange, RealTextsHoldTheConvertedHalves) {
    CalculatorState s = floatState(10, "-0.25");
    pickRadix(s, 2);
    EXPECT_EQ(s.realIntText, "-0");
    EXPECT_EQ(s.realFracText, ".11001");
}

TEST(FloatRadixChange, EmptyRealTextsBecomeZero) {
    CalculatorState s;
    s.floatMode = 1;
    pickRadix(s, 8);
    EXPECT_EQ(s.entryText, "0");
    EXPECT_EQ(s.realIntText, "0");
    EXPECT_EQ(s.realFracText, "");
}

TEST(FloatRadixChange, RealKeepsItsValueUntilTheEntryIsReadAgain) {
    CalculatorState s = floatState(10, "0.5");
    const Real80 half = s.realValue;
    pickRadix(s, 16);
    EXPECT_EQ(s.realValue, half);
    // 0.5 read in hexadecimal is 5/16.
    s.workText = s.entryText;
    parseReal(s);
    X87 unit;
    EXPECT_EQ(s.realValue, x87::divide(unit, x87::loadInteger(5), x87::loadInteger(16)));
}

TEST(FloatRadixChange, PaintingOnlyBuildsTheText) {
    CalculatorState s = floatState(10, "12.5");
    s.previousRadix = 10;
    s.readoutPainting = 1;
    s.formatRadix = 2;
    changeRadix(s);
    EXPECT_EQ(s.entryText, "1100.101");
    EXPECT_EQ(s.realIntText, "12");
    EXPECT_EQ(s.realFracText, ".5");
    EXPECT_EQ(s.radix, 10U);
    EXPECT_EQ(s.formatRadix, 0U);
}

TEST(IntegerRadixChange, FormatsTheCurrentNumberIgnoringRealTexts) {
    CalculatorState s = integerState(10, "255");
    s.realIntText = "7";
    s.realFracText = ".5";
    pickRadix(s, 16);
    EXPECT_EQ(s.entryText, "FF");
    EXPECT_EQ(s.formatText, "FF");
    EXPECT_EQ(s.realIntText, "7");
    EXPECT_EQ(s.realFracText, ".5");
}

}  // namespace
}  // namespace korvo
