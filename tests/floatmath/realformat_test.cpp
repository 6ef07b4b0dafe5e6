// Writing an extended real as text: the significant digits its significand
// holds, rounded, trimmed,
// the out-of-range message for integer parts too long to show beside them.
#include <gtest/gtest.h>

#include <string>

#include "floatmath/realtext.h"
#include "floatmath/x87.h"
#include "realtestsupport.h"
#include "state/fixedtexts.h"

namespace korvo {
namespace {

using testing_support::kIntegerBit;
using testing_support::parseText;
using testing_support::powerOf2;

constexpr X87 kNearest{kNearestControlWord};
const std::string kOutOfRange(text::kOutOfRange);

struct FormatCase {
    std::uint32_t radix;
    Real80 value;
    std::uint32_t floatMode;
    std::uint32_t reciprocalMode;
    std::uint32_t skipFractionTrim;
    const char* expected;
};

std::string formatted(const FormatCase& c) {
    CalculatorState s;
    s.radix = c.radix;
    s.floatMode = c.floatMode;
    s.reciprocalMode = c.reciprocalMode;
    s.skipFractionTrim = c.skipFractionTrim;
    formatReal(s, c.value);
    return s.entryText;
}

Real80 fromText(std::uint32_t radix, const char* text) {
    CalculatorState s;
    s.radix = radix;
    return parseText(s, text);
}

Real80 quotient(std::int64_t a, std::int64_t b) {
    return x87::divide(kNearest, x87::loadInteger(a), x87::loadInteger(b));
}

class FormatRealTexts : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatRealTexts, ShowTheExpectedEntry) {
    EXPECT_EQ(formatted(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, FormatRealTexts,
    ::testing::Values(
        FormatCase{10, fromText(10, "0.1"), 1, 0, 0, "0.1"},
        FormatCase{10, fromText(10, "0.1"), 0, 0, 0, "0.1"},
        FormatCase{10, fromText(10, "0.1"), 1, 0, 1, "0.1000000000000000000"},
        FormatCase{10, fromText(10, "3.14159"), 1, 0, 1, "3.141590000000000000"},
        FormatCase{10, fromText(10, "3.14159"), 1, 0, 0, "3.14159"},
        FormatCase{10, fromText(10, "-7.25"), 1, 0, 0, "-7.25"},
        FormatCase{10, fromText(10, "-7.25"), 0, 0, 0, "-7.25"},
        FormatCase{10, fromText(10, "123456789012345678.5"), 1, 0, 0, "123456789012345678.5"},
        FormatCase{10, fromText(10, "-12345678901234567.5"), 1, 0, 0, "-12345678901234567.5"},
        FormatCase{10, fromText(10, "4611686018427387904"), 1, 0, 0, "4611686018427387904"},
        FormatCase{10, fromText(10, "9223372036854775807"), 1, 0, 0, "9223372036854775807"},
        FormatCase{10, fromText(10, "5.0000000001"), 1, 0, 0, "5"},
        FormatCase{10, testing_support::kMinusZero, 1, 0, 0, "-0"},
        FormatCase{10, quotient(1, 3), 1, 1, 0, "0.3333333333333333333"},
        FormatCase{10, quotient(1, 4), 1, 1, 0, "0.25"},
        FormatCase{10, quotient(2, 3), 1, 0, 1, "0.6666666666666666667"},
        // A fraction below 2^-149 does not count; one at 2^-149 has only zero digits.
        FormatCase{10, powerOf2(-150), 1, 0, 1, "0"},
        FormatCase{10, powerOf2(-149), 1, 0, 1, "0.0000000000000000000"},
        FormatCase{10, powerOf2(-149), 1, 0, 0, "0"}));

INSTANTIATE_TEST_SUITE_P(
    OtherRadices, FormatRealTexts,
    ::testing::Values(
        FormatCase{16, fromText(16, "A.8"), 1, 0, 0, "A.8"},
        FormatCase{16, fromText(16, "7FFFFFFFFFFFFFFF"), 1, 0, 0, "7FFFFFFFFFFFFFFF"},
        // 16 hexadecimal digits, the last rounded by the 17th (8: half up).
        FormatCase{16, quotient(1, 3), 1, 1, 0, "0.5555555555555556"},
        FormatCase{16, Real80{0x8888888888888889ULL, 0x3FFF - 13}, 1, 1, 0,
                   "0.0008888888888888889"},
        FormatCase{16, Real80{0xFFFFFFFFFFFFFFFFULL, 0x3FFF - 13}, 1, 1, 0,
                   "0.000FFFFFFFFFFFFFFFF"},
        FormatCase{8, fromText(8, "-17.4"), 1, 0, 0, "-17.4"},
        FormatCase{8, powerOf2(62), 1, 0, 0, "400000000000000000000"},
        FormatCase{8, Real80{0xE000000000000000ULL, 0x3FFF - 55}, 1, 1, 1, "0.0000000000000000007"},
        FormatCase{8, powerOf2(-57), 1, 1, 1, "0.0000000000000000001"},
        FormatCase{2, fromText(2, "-101.01"), 1, 0, 0, "-101.01"},
        FormatCase{2, fromText(2, "100000000000000000.1"), 1, 0, 0, "100000000000000000.1"},
        FormatCase{2, Real80{0xC000000000000000ULL, 0x3FFF - 18}, 1, 1, 1, "0.0000000000000000011"},
        FormatCase{2, powerOf2(-1), 1, 1, 1, "0.1000000000000000000"},
        FormatCase{2, powerOf2(62), 1, 0, 0,
                   "100000000000000000000000000000000000000000000000000000000000000"}));

struct RangeCase {
    std::uint32_t radix;
    Real80 value;
};

class FormatRealOutOfRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(FormatRealOutOfRange, WritesTheMessageAndZeroesTheValue) {
    CalculatorState s;
    s.radix = GetParam().radix;
    s.floatMode = 1;
    s.realValue = GetParam().value;
    EXPECT_TRUE(formatReal(s, s.realValue));
    EXPECT_EQ(s.entryText, kOutOfRange);
    EXPECT_EQ(s.realValue, Real80{});
    EXPECT_TRUE(s.realIntText.empty());
    EXPECT_TRUE(s.realFracText.empty());
}

// 2^63 and more, infinities and NaN, whatever the radix; and integer parts of
// more than 18 characters beside a fraction.
INSTANTIATE_TEST_SUITE_P(AllRadices, FormatRealOutOfRange,
                         ::testing::Values(RangeCase{10, fromText(10, "1234567890123456789.5")},
                                           RangeCase{10, fromText(10, "-123456789012345678.5")},
                                           RangeCase{2, fromText(2, "1000000000000000000.1")},
                                           RangeCase{10, powerOf2(63)}, RangeCase{16, powerOf2(63)},
                                           RangeCase{8, powerOf2(63)}, RangeCase{2, powerOf2(63)},
                                           RangeCase{16, powerOf2(63, true)},
                                           RangeCase{16, fromText(16, "FFFFFFFFFFFFFFFF")},
                                           RangeCase{10, testing_support::kLargestFinite},
                                           RangeCase{16, testing_support::kLargestFinite},
                                           RangeCase{10, testing_support::kPlusInfinity},
                                           RangeCase{16, testing_support::kPlusInfinity},
                                           RangeCase{16, testing_support::kMinusInfinity},
                                           RangeCase{8, testing_support::kMinusInfinity},
                                           RangeCase{10, testing_support::kQuietNaN},
                                           RangeCase{16, testing_support::kQuietNaN},
                                           RangeCase{2, testing_support::kQuietNaN}));

TEST(FormatReal, KeepsBothHalvesOfTheShownText) {
    CalculatorState s;
    s.floatMode = 1;
    EXPECT_FALSE(formatReal(s, fromText(10, "-12.5")));
    EXPECT_EQ(s.realIntText, "-12");
    EXPECT_EQ(s.realFracText, ".5");

    // Trimming that removes the whole fraction removes the point too.
    formatReal(s, fromText(10, "5.0000000001"));
    EXPECT_EQ(s.realIntText, "5");
    EXPECT_EQ(s.realFracText, "");

    s.skipFractionTrim = 1;
    formatReal(s, fromText(10, "0.1"));
    EXPECT_EQ(s.realIntText, "0");
    EXPECT_EQ(s.realFracText, ".1000000000000000000");
}

TEST(FormatReal, MemoryValueOutOfRangeStillZeroesTheCurrentReal) {
    CalculatorState s;
    s.realValue = x87::loadInteger(7);
    s.memoryReal = powerOf2(70);
    EXPECT_TRUE(formatReal(s, s.memoryReal));
    EXPECT_EQ(s.realValue, Real80{});
    EXPECT_EQ(s.memoryReal, powerOf2(70));
}

TEST(FormatReal, AnEchoOutOfRangeKeepsTheCurrentReal) {
    CalculatorState s;
    s.realValue = powerOf2(70);
    EXPECT_TRUE(formatReal(s, s.realValue, RealText::Echo));
    EXPECT_EQ(s.entryText, text::kOutOfRange);
    EXPECT_EQ(s.realValue, powerOf2(70));
    EXPECT_TRUE(s.realIntText.empty());
}

TEST(FormatReal, RestoresTheLimbNumberAndLeavesTheLimbFormattersTraces) {
    CalculatorState s;
    s.limbResult.limbs[3] = 77;
    s.limbResult.fracDigits = 3;
    s.limbResult.fracZeros = 2;
    s.limbResult.negative = 1;
    const LimbNumber before = s.limbResult;
    s.lastFracZeros = 9;
    s.savedFracZeros = 0;

    formatReal(s, fromText(10, "42.75"));
    EXPECT_EQ(s.limbResult, before);
    EXPECT_EQ(s.spareNumber, before);
    EXPECT_EQ(s.savedFracZeros, 2U);
    EXPECT_EQ(s.formatText, "42");   // the integer part went through the limb formatter
    EXPECT_EQ(s.lastFracZeros, 9U);  // which knew it was working for a real
    EXPECT_EQ(s.formatFromReal, 0U);
    EXPECT_EQ(s.entryText, "42.75");
}

TEST(FormatReal, LeavesTheUnitRoundingTowardZero) {
    CalculatorState s;
    formatReal(s, x87::loadInteger(1));
    EXPECT_EQ(s.fpu.controlWord, kTruncateControlWord);
    // 1 + 3/4 of the last place: to nearest it would round up.
    const Real80 threeQuartersUlp{0xC000000000000000ULL, 0x3FFF - 64};
    const Real80 one = x87::loadInteger(1);
    EXPECT_EQ(x87::add(s.fpu, one, threeQuartersUlp), one);
    EXPECT_EQ(x87::add(kNearest, one, threeQuartersUlp), (Real80{kIntegerBit + 1, 0x3FFF}));
}

}  // namespace
}  // namespace korvo
