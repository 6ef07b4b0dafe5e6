// Reading number text into an extended real: one rounded x87 operation per
// step, in the order the digits are read.
#include <gtest/gtest.h>

#include <string>

#include "floatmath/realtext.h"
#include "floatmath/x87.h"
#include "realtestsupport.h"

namespace korvo {
namespace {

using testing_support::kMinusZero;
using testing_support::parseText;

struct ParseCase {
    std::uint32_t radix;
    const char* text;
    Real80 expected;
};

class ParseRealValues : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseRealValues, GiveTheBitPattern) {
    CalculatorState s;
    s.radix = GetParam().radix;
    EXPECT_EQ(parseText(s, GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    AllRadices, ParseRealValues,
    ::testing::Values(ParseCase{10, "0.1", {0xCCCCCCCCCCCCCCCDULL, 0x3FFB}},
                      ParseCase{10, "3.14159", {0xC90FCF80DC33721DULL, 0x4000}},
                      ParseCase{10, "-7.25", {0xE800000000000000ULL, 0xC001}},
                      ParseCase{10, "1024", {0x8000000000000000ULL, 0x4009}},
                      ParseCase{10, "9223372036854775807", {0xFFFFFFFFFFFFFFFEULL, 0x403D}},
                      // Rounding after every step: the correctly rounded value ends in ...4B.
                      ParseCase{10, "67071635982607948077", {0xE8B394642FE9E64CULL, 0x4040}},
                      // The fraction is read from its last digit back: correctly rounded ...1F.
                      ParseCase{10, "0.1234696649739790051", {0xFCDDA9E8E3F9EA1EULL, 0x3FFB}},
                      ParseCase{10, ".5", {0x8000000000000000ULL, 0x3FFE}},
                      ParseCase{10, "5.", {0xA000000000000000ULL, 0x4001}},
                      ParseCase{10, ".", {0, 0}}, ParseCase{10, "-", kMinusZero},
                      ParseCase{10, "-0", kMinusZero},
                      ParseCase{16, "A.8", {0xA800000000000000ULL, 0x4002}},
                      ParseCase{16, "ff.8", {0xFF80000000000000ULL, 0x4006}},
                      ParseCase{16, "-fF", {0xFF00000000000000ULL, 0xC006}},
                      ParseCase{8, "17.4", {0xF800000000000000ULL, 0x4002}},
                      ParseCase{8, "0.01", {0x8000000000000000ULL, 0x3FF9}},
                      ParseCase{2, "101.01", {0xA800000000000000ULL, 0x4001}},
                      ParseCase{2, "-0.11", {0xC000000000000000ULL, 0xBFFE}}));

TEST(ParseReal, EmptyTextLeavesValueAndUnitAlone) {
    CalculatorState s;
    s.realValue = Real80{0x8000000000000000ULL, 0x4000};
    s.fpu.controlWord = kTruncateControlWord;
    s.realTextNegative = 1;
    s.workText.clear();
    parseReal(s);
    EXPECT_EQ(s.realValue, (Real80{0x8000000000000000ULL, 0x4000}));
    EXPECT_EQ(s.fpu.controlWord, kTruncateControlWord);
    EXPECT_EQ(s.realTextNegative, 0U);
}

TEST(ParseReal, InitialisesTheUnitAndNotesTheSign) {
    CalculatorState s;
    s.fpu.controlWord = kTruncateControlWord;
    // 0.2 is rounded up to nearest and down under truncation.
    parseText(s, "0.2");
    EXPECT_EQ(s.fpu.controlWord, kNearestControlWord);
    EXPECT_EQ(s.realTextNegative, 0U);
    EXPECT_EQ(s.realValue, (Real80{0xCCCCCCCCCCCCCCCDULL, 0x3FFC}));
    parseText(s, "-2");
    EXPECT_EQ(s.realTextNegative, 1U);
}

TEST(ParseReal, ReplacesEveryCharacterByItsDigitValue) {
    CalculatorState s;
    s.radix = 16;
    s.workText = "-1a.F9";
    parseReal(s);
    EXPECT_EQ(s.workText, std::string("-\x01\x0A.\x0F\x09", 6));
}

TEST(ParseReal, StopsAtATerminatorAndSurvivesStrayCharacters) {
    CalculatorState s;
    s.workText = std::string(
        "12\0"
        "99",
        5);
    parseReal(s);
    EXPECT_EQ(s.realValue, x87::loadInteger(12));

    // Not digits of the radix: read by their mapped byte values, never rejected.
    s.workText = "\x85~!..-";
    parseReal(s);
    EXPECT_EQ(s.fpu.controlWord, kNearestControlWord);
}

}  // namespace
}  // namespace korvo
