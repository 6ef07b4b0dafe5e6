// Number texts in the four radices: what the parser reads, what the
// formatter writes back.
#include "intmath/numbertext.h"

#include <gtest/gtest.h>

#include <string>

namespace korvo {
namespace {

LimbNumber parse(CalculatorState& s, const std::string& text) {
    s.workText = text;
    parseNumber(s);
    return s.limbResult;
}

std::string roundTrip(CalculatorState& s, const std::string& text) {
    parse(s, text);
    formatNumber(s);
    return s.formatText;
}

struct ParseCase {
    std::uint32_t radix;
    std::string text;
    Limbs8 limbs;
    std::uint32_t intDigits, fracDigits, fracZeros, negative;
    std::string formatted;
};

class ParseFormatTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseFormatTest, FieldsAndTextBack) {
    const ParseCase& c = GetParam();
    CalculatorState s;
    s.radix = c.radix;
    const LimbNumber n = parse(s, c.text);
    EXPECT_EQ(n.limbs, c.limbs);
    EXPECT_EQ(n.intDigits, c.intDigits);
    EXPECT_EQ(n.fracDigits, c.fracDigits);
    EXPECT_EQ(n.fracZeros, c.fracZeros);
    EXPECT_EQ(n.negative, c.negative);
    EXPECT_EQ(s.parseRadix, c.radix);
    formatNumber(s);
    EXPECT_EQ(s.formatText, c.formatted);
    EXPECT_EQ(s.entryText, c.formatted);
}

INSTANTIATE_TEST_SUITE_P(
    Radix10, ParseFormatTest,
    testing::Values(ParseCase{10, "123.45", {0, 0, 0, 123, 0, 0, 0, 45}, 3, 2, 0, 0, "123.45"},
                    ParseCase{10, "-123.045", {0, 0, 0, 123, 0, 0, 0, 45}, 3, 3, 1, 1, "-123.045"},
                    ParseCase{10, ".5", {0, 0, 0, 0, 0, 0, 0, 5}, 0, 1, 0, 0, "0.5"},
                    ParseCase{10, "0012.500", {0, 0, 0, 12, 0, 0, 0, 500}, 4, 3, 0, 0, "12.500"},
                    ParseCase{10, "1.0", {0, 0, 0, 1, 0, 0, 0, 0}, 1, 1, 1, 0, "1"},
                    ParseCase{10, "0.00", {0, 0, 0, 0, 0, 0, 0, 0}, 1, 2, 2, 0, "0"},
                    ParseCase{10, "5.", {0, 0, 0, 5, 0, 0, 0, 0}, 1, 0, 0, 0, "5"},
                    ParseCase{10, "-", {0, 0, 0, 0, 0, 0, 0, 0}, 0, 0, 0, 1, "-0"},
                    ParseCase{10, "", {0, 0, 0, 0, 0, 0, 0, 0}, 0, 0, 0, 0, "0"},
                    // Fraction value 2^32: limb 7 is zero but the fraction prints.
                    ParseCase{
                        10, "1.4294967296", {0, 0, 0, 1, 0, 0, 1, 0}, 1, 10, 0, 0, "1.4294967296"},
                    // A fraction longer than 19 digits (a radix change writes
                    // them) is read whole.
                    ParseCase{10,
                              "0.12345678901234567895",
                              {0, 0, 0, 0, 0, 0, 0xAB54A98C, 0xEB1F0AD7},
                              1,
                              20,
                              0,
                              0,
                              "0.12345678901234567895"}));

INSTANTIATE_TEST_SUITE_P(
    OtherRadices, ParseFormatTest,
    testing::Values(ParseCase{16, "ff", {0, 0, 0, 255, 0, 0, 0, 0}, 2, 0, 0, 0, "FF"},
                    ParseCase{16, "-A.08", {0, 0, 0, 10, 0, 0, 0, 8}, 1, 2, 1, 1, "-A.08"},
                    ParseCase{16,
                              "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
                              {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0, 0, 0, 0},
                              32,
                              0,
                              0,
                              0,
                              "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"},
                    ParseCase{2, "1011.1", {0, 0, 0, 11, 0, 0, 0, 1}, 4, 1, 0, 0, "1011.1"},
                    ParseCase{2, "0.0101", {0, 0, 0, 0, 0, 0, 0, 5}, 1, 4, 1, 0, "0.0101"},
                    ParseCase{8, "777.70", {0, 0, 0, 511, 0, 0, 0, 56}, 3, 2, 0, 0, "777.70"}));

TEST(ParseNumber, ReadsTheWholeText) {
    CalculatorState s;
    EXPECT_EQ(roundTrip(s, "1234567890123456789012345678901234"),
              "1234567890123456789012345678901234");
    EXPECT_EQ(s.limbResult.intDigits, 34U);
}

TEST(ParseNumber, ScaledMultiplicationShortensTo19Characters) {
    CalculatorState s;
    s.parseLimitMode = 19;
    s.pendingOp = 3;
    EXPECT_EQ(roundTrip(s, "-12345678901234567891"), "-123456789012345679");
    EXPECT_EQ(s.droppedChars, 2U);

    CalculatorState other;
    other.parseLimitMode = 19;
    other.pendingOp = 4;  // only while a multiplication is pending
    EXPECT_EQ(roundTrip(other, "12345678901234567891"), "12345678901234567891");
    EXPECT_EQ(other.droppedChars, 0U);
}

TEST(ParseNumber, PointAndFlags) {
    CalculatorState s;
    parse(s, "12.5");
    EXPECT_EQ(s.entryHasPoint, 1U);
    parse(s, "125");
    EXPECT_EQ(s.entryHasPoint, 0U);
    // The parse clears the engine's working numbers.
    s.quotientLimbs = {1, 1, 1, 1};
    parse(s, "7");
    EXPECT_EQ(s.quotientLimbs, (Limbs4{0, 0, 0, 0}));
}

TEST(ParseNumber, DestroysWorkText) {
    CalculatorState s;
    s.workText = "12";
    parseNumber(s);
    EXPECT_EQ(s.workText, std::string("\x01\x02"));
    s.workText = "05";
    parseNumber(s);
    EXPECT_TRUE(s.workText.empty()) << "a digit 0 ends the destroyed text";
}

TEST(FormatNumber, OtherRadixLeavesTheEntryTexts) {
    CalculatorState s;
    parse(s, "-12.5");
    formatNumber(s);
    EXPECT_EQ(s.intText, "-12");
    EXPECT_EQ(s.fracText, "5");
    EXPECT_EQ(s.formattedPointPos, 1U);
    s.formatRadix = 2;
    formatNumber(s);
    EXPECT_EQ(s.formatText, "-1100.101");
    EXPECT_EQ(s.entryText, "-1100.101");
    EXPECT_EQ(s.intText, "-12");
    EXPECT_EQ(s.fracText, "5");
    EXPECT_EQ(s.radix, 10U);
}

TEST(FormatNumber, HexIsUpperCaseAndFractionValueConvertsWhole) {
    CalculatorState s;
    parse(s, "255.05");
    s.formatRadix = 16;
    formatNumber(s);
    EXPECT_EQ(s.formatText, "FF.05");
}

TEST(FormatNumber, LastFracZerosOnlyForDecimalTextsNotMadeForAReal) {
    CalculatorState s;
    parse(s, "0.005");
    formatNumber(s);
    EXPECT_EQ(s.lastFracZeros, 2U);
    parse(s, "0.5");
    s.formatFromReal = 1;
    formatNumber(s);
    EXPECT_EQ(s.lastFracZeros, 2U);
    s.formatFromReal = 0;
    s.formatRadix = 16;
    formatNumber(s);
    EXPECT_EQ(s.lastFracZeros, 2U);
}

TEST(FormatNumber, NoEntryCopyDuringARadixChange) {
    CalculatorState s;
    parse(s, "42");
    s.entryText = "keep";
    s.formatNoEntryCopy = 8;
    formatNumber(s);
    EXPECT_EQ(s.entryText, "keep");
    EXPECT_EQ(s.formatText, "42");
}

TEST(FormatNumber, LongestBinaryText) {
    CalculatorState s;
    s.limbResult.limbs = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF,
                          0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
    s.limbResult.fracZeros = 19;
    s.limbResult.negative = 1;
    s.radix = 2;
    formatNumber(s);
    EXPECT_EQ(s.formatText.size(), 1U + 128U + 1U + 19U + 128U);
    EXPECT_EQ(s.formatText.substr(0, 3), "-11");
    EXPECT_EQ(s.workText.size(), s.formatText.size() - 1);
}

}  // namespace
}  // namespace korvo
