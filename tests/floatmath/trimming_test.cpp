// Fraction trimming: "radix text from-position -> text" for a real's
// fraction, "exact text from-position -> text" for an exact one.
#include "floatmath/trimming.h"
#include "intmath/numbertext.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace korvo {
namespace {

class Trim : public ::testing::TestWithParam<const char*> {};

TEST_P(Trim, GivesTheText) {
    std::istringstream row(GetParam());
    std::string kind, text, arrow, expected;
    std::size_t start = 0;
    row >> kind >> text >> start >> arrow >> expected;
    if (kind == "exact") {
        trimExactFraction(text, start);
    } else {
        trimFraction(static_cast<std::uint32_t>(std::stoul(kind)), text, start);
    }
    EXPECT_EQ(text, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Trim,
    ::testing::Values(
        // Zeros go only as a tail; a run with a digit after it is part of the number.
        "10 0.1000000000000000000 1 -> 0.1", "10 7.0000000000000000005 1 -> 7.0000000000000000005",
        "10 0.0000000001000000000 1 -> 0.0000000001", "10 12.30000000004 2 -> 12.30000000004",
        "10 0.120000000004 1 -> 0.120000000004",
        // Nine nines that end the text round up, from the first digit into the
        // integer part; nines followed by another digit or two nines are digits.
        // Radix 16 has no nines rule.
        "10 0.1239899999999999999 1 -> 0.12399", "10 0.12999999999 1 -> 0.13",
        "10 0.1299999999 1 -> 0.1299999999",
        "10 1.0999999999000 1 -> 1.0999999999", "10 -29.99999999999999999 3 -> -30",
        "10 99.99999999999999999 2 -> 100", "10 0.9999999999999999999 1 -> 1",
        "16 0.1999999999999999A00 1 -> 0.1999999999999999A",
        // What the significant digits leave as trailing zeros goes.
        "10 248443396.1349000000 9 -> 248443396.1349", "10 5.000 1 -> 5", "10 0. 1 -> 0.",
        "10 12 5 -> 12",
        // An exact fraction loses only its trailing zeros.
        "exact 2.0000000002000000000 1 -> 2.0000000002",
        "exact 0.2500000000000000001 1 -> 0.2500000000000000001", "exact 0.0500 1 -> 0.05"));

}  // namespace
}  // namespace korvo
