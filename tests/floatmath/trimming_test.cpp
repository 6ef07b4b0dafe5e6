// Fraction trimming: "mode text from-position -> text", mode "int" or
// "float", "+recip" for the 1/x key.
#include "floatmath/trimming.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace korvo {
namespace {

class Trim : public ::testing::TestWithParam<const char*> {};

TEST_P(Trim, GivesTheText) {
    std::istringstream row(GetParam());
    std::string mode;
    std::string text;
    std::string arrow;
    std::string expected;
    std::size_t start = 0;
    row >> mode >> text >> start >> arrow >> expected;
    CalculatorState s;
    s.floatMode = mode.starts_with("float") ? 1 : 0;
    s.reciprocalMode = mode.ends_with("+recip") ? 1 : 0;
    text = text == "''" ? "" : text;
    expected = expected == "''" ? "" : expected;
    trimFraction(s, text, start);
    EXPECT_EQ(text, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Trim,
    ::testing::Values(
        // Nine zeros after the point end the fraction, and the point with it.
        "int 0.1000000000000000000 1 -> 0.1", "float 7.0000000000000000005 1 -> 7",
        "int 7.0000000000000000005 1 -> 7", "int -3.000000000 2 -> -3",
        "float 0.00000000 1 -> 0.00000000",
        "int+recip 7.0000000000000000005 1 -> 7.0000000000000000005",
        "float+recip 7.0000000000000000005 1 -> 7", "float+recip 0.2500000000000000001 1 -> 0.25",
        // Floating point: a digit before two nines goes up, from the third
        // digit on nine zeros cut.
        "float 0.5991234000000000000 1 -> 0.6", "float 0.1239899999999999999 1 -> 0.12399",
        "float 1.2000000000000000001 1 -> 1.2", "float 0.1230000000004 1 -> 0.123",
        "float 0.1899 1 -> 0.19", "float 0.0999 1 -> 0.1",
        "float 0.9999999999999999999 1 -> 0.9999999999999999999",
        "float 12.30000000004 2 -> 12.30000000004", "float 0.120000000004 1 -> 0.120000000004",
        "float 0.5 1 -> 0.5", "float 0.A99 1 -> 0.B", "float 0.F99 1 -> 0.F99",
        "float 0.F99399 1 -> 0.F994", "float 0.1F99000000000 1 -> 0.1F99",
        // Integer mode only drops trailing zeros.
        "int 0.0500 1 -> 0.05", "int 0.2500000000000000001 1 -> 0.2500000000000000001",
        "int 0.1299 1 -> 0.1299", "int 5.00000000 1 -> 5.", "int 100.5 3 -> 100.5",
        // Quotient digits come with the start at their first digit.
        "int 0500 0 -> 05", "int 000 0 -> ''", "int 1000000000 0 -> ''", "int 100000000 0 -> 1",
        "float 12 5 -> 12", "int '' 0 -> ''", "float 0. 1 -> 0.", "float 0.99 1 -> 0.99"));

}  // namespace
}  // namespace korvo
