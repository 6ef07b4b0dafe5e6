// Extended reals as text: what a text reads as, bit for bit, and how a value
// is written: the significant digits its significand holds, rounded and
// trimmed, or the out-of-range message.
#include "floatmath/realtext.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "realvalues.h"

namespace korvo {
namespace {

using testing_support::valueOf;

class RealParse : public ::testing::TestWithParam<const char*> {};

// "radix text -> #significand:exponent".
TEST_P(RealParse, GivesTheBitPattern) {
    std::istringstream row(GetParam());
    std::uint32_t radix = 0;
    std::string text;
    std::string arrow;
    std::string expected;
    row >> radix >> text >> arrow >> expected;
    EXPECT_EQ(parseReal(text, radix), valueOf(radix, expected));
}

INSTANTIATE_TEST_SUITE_P(
    AllRadices, RealParse,
    ::testing::Values("10 0.1 -> #CCCCCCCCCCCCCCCD:3FFB", "10 3.14159 -> #C90FCF80DC33721D:4000",
                      "10 -7.25 -> #E800000000000000:C001",
                      "10 9223372036854775807 -> #FFFFFFFFFFFFFFFE:403D",
                      // The nearest real, ties to even, where digit by digit rounds twice.
                      "10 67071635982607948077 -> #E8B394642FE9E64B:4040",
                      "10 0.1234696649739790051 -> #FCDDA9E8E3F9EA1F:3FFB",
                      "10 18446744073709551617 -> #8000000000000000:403F",
                      "10 18446744073709551619 -> #8000000000000002:403F",
                      "10 .5 -> #8000000000000000:3FFE", "10 5. -> #A000000000000000:4001",
                      "10 . -> #0:0", "10 - -> #0:8000", "16 ff.8 -> #FF80000000000000:4006",
                      "16 -fF -> #FF00000000000000:C006", "8 17.4 -> #F800000000000000:4002",
                      "8 0.01 -> #8000000000000000:3FF9", "2 -0.11 -> #C000000000000000:BFFE"));

class RealFormat : public ::testing::TestWithParam<const char*> {};

// "radix flags value -> entry": "+raw" among the flags for untrimmed; "OOR"
// for a value out of range.
TEST_P(RealFormat, WritesTheEntry) {
    std::istringstream row(GetParam());
    std::uint32_t radix = 0;
    std::string flags;
    std::string value;
    std::string arrow;
    std::string expected;
    row >> radix >> flags >> value >> arrow >> expected;
    const bool raw = flags.find("+raw") != std::string::npos;
    const std::optional<RealTexts> texts =
        formatReal(valueOf(radix, value), radix, raw ? Trimming::KeepDigits : Trimming::Trim);
    EXPECT_EQ(texts ? texts->whole() : "OOR", expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllRadices, RealFormat,
    ::testing::Values(
        "10 float 0.1 -> 0.1", "10 int 0.1 -> 0.1", "10 float+raw 0.1 -> 0.1000000000000000000",
        "10 float+raw 3.14159 -> 3.141590000000000000", "10 float 3.14159 -> 3.14159",
        "10 int -7.25 -> -7.25", "10 float 123456789012345678.5 -> 123456789012345678.5",
        "10 float -12345678901234567.5 -> -12345678901234567.5",
        "10 float 9223372036854775807 -> 9223372036854775807",
        "10 float 5.0000000001 -> 5.0000000001", "10 float -0 -> -0",
        "10 float 1/3 -> 0.3333333333333333333", "10 float 1/4 -> 0.25",
        "10 float+raw 2/3 -> 0.6666666666666666667",
        // Below 2^-149 a fraction does not count; at 2^-149 it has only zeros.
        "10 float+raw 2^-150 -> 0", "10 float+raw 2^-149 -> 0.0000000000000000000",
        "10 float 2^-149 -> 0", "16 float A.8 -> A.8",
        "16 float 7FFFFFFFFFFFFFFF -> 7FFFFFFFFFFFFFFF", "16 float 1/3 -> 0.5555555555555556",
        // Hexadecimal shows 16 digits, the last rounded by the 17th.
        "16 float #8888888888888889:3FF2 -> 0.0008888888888888889",
        "16 float #FFFFFFFFFFFFFFFF:3FF2 -> 0.000FFFFFFFFFFFFFFFF", "8 float -17.4 -> -17.4",
        "8 float 2^62 -> 400000000000000000000",
        "8 float+recip+raw #E000000000000000:3FC8 -> 0.0000000000000000007",
        "2 float -101.01 -> -101.01", "2 float 100000000000000000.1 -> 100000000000000000.1",
        "2 float+recip+raw 2^-1 -> 0.1000000000000000000",
        // Below 2^63 the range is the size, however long the text: the fraction
        // rounds into the integer part first. 2^63 and more, infinities, NaN
        // are out of range.
        "10 float 1234567890123456789.5 -> 1234567890123456790",
        "10 float -123456789012345678.5 -> -123456789012345678.5",
        "2 float 1000000000000000000.1 -> 1000000000000000000.1", "10 float 2^63 -> OOR",
        "16 int -2^63 -> OOR", "8 float 2^63 -> OOR", "2 float 2^63 -> OOR",
        "16 float FFFFFFFFFFFFFFFF -> OOR", "10 float max -> OOR", "16 float inf -> OOR",
        "8 float -inf -> OOR", "10 float nan -> OOR"));

}  // namespace
}  // namespace korvo
