// Fraction trimming: character rules, in integer and floating-point mode.
#include "floatmath/trimming.h"

#include <gtest/gtest.h>

#include <string>

namespace korvo {
namespace {

struct TrimCase {
    std::uint32_t floatMode;
    std::uint32_t reciprocalMode;
    const char* text;
    std::size_t start;
    const char* expected;
};

class TrimFraction : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimFraction, GivesTheExpectedText) {
    const TrimCase& c = GetParam();
    CalculatorState s;
    s.floatMode = c.floatMode;
    s.reciprocalMode = c.reciprocalMode;
    std::string text = c.text;
    trimFraction(s, text, c.start);
    EXPECT_EQ(text, c.expected) << c.text << " from " << c.start;
}

INSTANTIATE_TEST_SUITE_P(NineZeros, TrimFraction,
                         ::testing::Values(TrimCase{0, 0, "0.1000000000000000000", 1, "0.1"},
                                           TrimCase{1, 0, "0.1000000000000000000", 1, "0.1"},
                                           TrimCase{0, 0, "7.0000000000000000005", 1, "7"},
                                           TrimCase{1, 0, "7.0000000000000000005", 1, "7"},
                                           TrimCase{0, 0, "-3.000000000", 2, "-3"},
                                           // Eight zeros are not nine.
                                           TrimCase{1, 0, "0.00000000", 1, "0.00000000"},
                                           // The 1/x key keeps its fraction from the first rule.
                                           TrimCase{0, 1, "7.0000000000000000005", 1,
                                                    "7.0000000000000000005"},
                                           TrimCase{1, 1, "7.0000000000000000005", 1, "7"},
                                           TrimCase{1, 1, "0.2500000000000000001", 1, "0.25"}));

INSTANTIATE_TEST_SUITE_P(
    FloatingPointMode, TrimFraction,
    ::testing::Values(TrimCase{1, 0, "0.5991234000000000000", 1, "0.6"},
                      TrimCase{1, 0, "0.1239899999999999999", 1, "0.12399"},
                      TrimCase{1, 0, "1.2000000000000000001", 1, "1.2"},
                      TrimCase{1, 0, "0.1230000000004", 1, "0.123"},
                      TrimCase{1, 0, "0.1899", 1, "0.19"}, TrimCase{1, 0, "0.0999", 1, "0.1"},
                      TrimCase{1, 0, "0.9999999999999999999", 1, "0.9999999999999999999"},
                      TrimCase{1, 0, "12.30000000004", 2, "12.30000000004"},
                      TrimCase{1, 0, "0.2500000000000000001", 1, "0.25"},
                      TrimCase{1, 0, "0.5", 1, "0.5"},
                      // Radix 16: "F" has no next digit, so the scan goes on.
                      TrimCase{1, 0, "0.A99", 1, "0.B"}, TrimCase{1, 0, "0.F99", 1, "0.F99"},
                      TrimCase{1, 0, "0.F99399", 1, "0.F994"},
                      TrimCase{1, 0, "0.1F99000000000", 1, "0.1F99"}));

INSTANTIATE_TEST_SUITE_P(
    IntegerMode, TrimFraction,
    ::testing::Values(TrimCase{0, 0, "0.0500", 1, "0.05"}, TrimCase{0, 0, "0.1050", 1, "0.105"},
                      TrimCase{0, 0, "0.2500000000000000001", 1, "0.2500000000000000001"},
                      TrimCase{0, 0, "0.1299", 1, "0.1299"},
                      // Only characters after the point go; the point stays.
                      TrimCase{0, 0, "5.00000000", 1, "5."}, TrimCase{0, 0, "100.5", 3, "100.5"}));

// Quotient digits are handed over with the start at the first digit, which
// is then part of the text the rules look at and cut.
INSTANTIATE_TEST_SUITE_P(StartAtFirstDigit, TrimFraction,
                         ::testing::Values(TrimCase{0, 0, "0500", 0, "05"},
                                           TrimCase{0, 0, "000", 0, ""},
                                           TrimCase{0, 0, "1000000000", 0, ""},
                                           TrimCase{0, 0, "100000000", 0, "1"}));

INSTANTIATE_TEST_SUITE_P(Bounds, TrimFraction,
                         ::testing::Values(TrimCase{1, 0, "12", 5, "12"},
                                           TrimCase{0, 0, "120", 3, "120"},
                                           TrimCase{1, 0, "0.", 1, "0."}, TrimCase{0, 0, "", 0, ""},
                                           TrimCase{1, 0, "0.99", 1, "0.99"}));

}  // namespace
}  // namespace korvo
