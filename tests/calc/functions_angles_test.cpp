// The six angle keys and their inverses. Degrees go through pi/180 and
// 180/pi at full precision, so textbook angles come out exact; forward
// results are not trimmed.
#include <gtest/gtest.h>

#include <string>

#include "key_sequence.h"

namespace korvo::keys_test {
namespace {

// Here `entry` is what the shown result begins with.
class Angle : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Angle, ResultBeginsWith) {
    inBothModes(GetParam().keys, [](Calculator& c) {
        EXPECT_TRUE(c.entry().starts_with(GetParam().entry)) << c.entry();
    });
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Angle,
    ::testing::Values(KeyCase{"SinDegrees", "30 Sin", "0.5000000000000000000"},
                      KeyCase{"CosDegrees", "60 Cos", "0.5000000000000000000"},
                      KeyCase{"TanDegrees", "45 Tan", "1"}, KeyCase{"CscDegrees", "30 Csc", "2"},
                      KeyCase{"SecDegrees", "60 Sec", "2"},
                      KeyCase{"CotDegrees", "45 Cot", "0.9999999999999999999"},
                      KeyCase{"SinRadians", "Rad 30 Sin", "-0.98803162409286"},
                      KeyCase{"AngleOfAnEmptyEntry", "Rad 0 + Cos", "1"},
                      KeyCase{"ArcTanDegrees", "Arc 1 Tan", "45"},
                      KeyCase{"ArcSinDegrees", "Arc 0.5 Sin", "30"},
                      KeyCase{"ArcSinOfNegative", "Arc 0.5 +/- Sin", "-30"},
                      KeyCase{"ArcCosDegrees", "Arc 0.5 Cos", "60"},
                      KeyCase{"ArcCscDegrees", "Arc 2 +/- Csc", "-30"},
                      KeyCase{"ArcSecDegrees", "Arc 2 Sec", "60"},
                      KeyCase{"ArcCotDegrees", "Arc 1 Cot", "45"},
                      KeyCase{"ArcTanKeepsTheSign", "Rad Arc 1 +/- Tan", "-0.785398163397448"},
                      KeyCase{"ArcSinRadians", "Rad Arc 1 Sin", "1.5707963267948966"},
                      KeyCase{"InverseIsTrimmed", "Rad Arc 0 Sin", "0"},
                      KeyCase{"ArcSinAboveOne", "Arc 2 Sin", kOutOfRange},
                      KeyCase{"CscOfZero", "0 Csc", kOutOfRange}),
    caseName);

// From 2^63 on (after the degree conversion) the unit cannot reduce the
// argument and would hand it back; the message stands instead.
TEST(Angle, HugeArgumentShowsTheMessage) {
    for (const char* key : {"Sin", "Cos", "Tan", "Csc", "Sec", "Cot"}) {
        for (const std::uint16_t exponent : {0x403E, 0x403D}) {
            Calculator calc;
            calc.run("Rad 1");
            calc.s.realValue = Real80{0x8000000000000000ULL, exponent};
            calc.run(key);
            EXPECT_EQ(calc.entry() == kOutOfRange, exponent == 0x403E) << key << calc.entry();
        }
    }
    Calculator inverse;
    inverse.run("Rad Arc 1");
    inverse.s.realValue = Real80{0x8000000000000000ULL, 0x403E};
    inverse.run("Tan");
    EXPECT_TRUE(inverse.entry().starts_with("1.5707963267948966")) << inverse.entry();
}

}  // namespace
}  // namespace korvo::keys_test
