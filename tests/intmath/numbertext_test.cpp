// Number text read and written back: "radix text -> text", or with "@R" the
// text written in radix R instead.
#include "intmath/numbertext.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace korvo {
namespace {

class NumberText : public ::testing::TestWithParam<const char*> {};

TEST_P(NumberText, ReadsAndWritesBack) {
    std::istringstream row(GetParam());
    std::string text;
    std::string arrow;
    std::string expected;
    CalculatorState s;
    row >> s.radix >> text;
    if (text == "''") {
        text.clear();
    }
    row >> arrow;
    if (arrow.starts_with('@')) {
        s.formatRadix = static_cast<std::uint32_t>(std::stoul(arrow.substr(1)));
        row >> arrow;
    }
    row >> expected;
    s.workText = text;
    parseNumber(s);
    formatNumber(s);
    EXPECT_EQ(s.entryText, expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllRadices, NumberText,
    ::testing::Values(
        "10 123.45 -> 123.45", "10 -123.045 -> -123.045", "10 .5 -> 0.5", "10 0012.500 -> 12.500",
        "10 1.0 -> 1", "10 0.00 -> 0", "10 5. -> 5", "10 - -> -0", "10 '' -> 0",
        "10 1.4294967296 -> 1.4294967296", "10 0.000000000000000001 -> 0.000000000000000001",
        // Read whole, however long: a radix change writes long fractions.
        "10 1234567890123456789012345678901234 -> 1234567890123456789012345678901234",
        "10 0.12345678901234567895 -> 0.12345678901234567895",
        "16 0.000000000000000001FA -> 0.000000000000000001FA", "16 ff -> FF", "16 -A.08 -> -A.08",
        "16 FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF -> FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
        "16 abcdef.9 -> ABCDEF.9", "2 1011.1 -> 1011.1", "2 0.0101 -> 0.0101", "8 777.70 -> 777.70",
        "10 -12.5 @2 -> -1100.101", "10 255.05 @16 -> FF.05", "10 1000000 @8 -> 3641100",
        "16 FFFFFFFF @10 -> 4294967295",
        "16 FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF @10 -> 340282366920938463463374607431768211455"));

}  // namespace
}  // namespace korvo
