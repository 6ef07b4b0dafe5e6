// Powers of 2, 10 and e: "base y -> result", the result as a value (see
// realvalues.h) or, with "=", as the untrimmed text; "cut" when the unit was
// left truncating by an earlier conversion.
#include "floatmath/exponential.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "realvalues.h"

namespace korvo {
namespace {

class Power : public ::testing::TestWithParam<const char*> {};

TEST_P(Power, GivesTheValue) {
    std::istringstream row(GetParam());
    std::string base;
    std::string y;
    std::string arrow;
    std::string expected;
    row >> base >> y >> arrow;
    X87 unit;
    if (arrow == "cut") {
        unit.controlWord = kTruncateControlWord;
        row >> arrow;
    }
    row >> expected;
    const Real80 arg = testing_support::valueOf(10, y);
    const Real80 r = base == "2"    ? powerOfTwo(unit, arg)
                     : base == "10" ? powerOfTen(unit, arg)
                                    : powerOfE(unit, arg);
    EXPECT_EQ(unit.controlWord, kNearestControlWord);
    if (expected.starts_with('=')) {
        EXPECT_EQ(formatReal(r, 10, Trimming::KeepDigits)->whole(), expected.substr(1));
    } else {
        EXPECT_EQ(r, testing_support::valueOf(10, expected));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bases, Power,
    ::testing::Values("2 10 -> 1024", "2 -1 -> 0.5", "2 0 -> 1", "2 -16382 -> 2^-16382",
                      "2 20000 -> max", "2 -20000 -> 0", "2 -0.5 -> =0.7071067811865475244",
                      "2 -2.5 -> =0.1767766952966368811", "2 0.75 -> =1.681792830507429086",
                      "2 13.1 -> =8779.968205097313603", "2 -7.9 -> =0.0041866150880323952",
                      "10 2 -> =100", "10 -1 -> =0.1000000000000000000", "10 0 -> 1", "e 0 -> 1",
                      "e 1 -> =2.718281828459045235", "10 0.3 -> =1.995262314968879601",
                      "10 0.3 cut -> =1.995262314968879601", "e 0.3 -> =1.349858807576003104",
                      "e 0.3 cut -> =1.349858807576003104"));

TEST(Power, NaNAndInfinitiesGiveNaN) {
    for (const char* y : {"nan", "inf", "-inf"}) {
        X87 unit;
        const Real80 r = powerOfTwo(unit, testing_support::valueOf(10, y));
        EXPECT_TRUE(r.biasedExponent() == 0x7FFF && (r.significand << 1U) != 0) << y;
    }
}

}  // namespace
}  // namespace korvo
