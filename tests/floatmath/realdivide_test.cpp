// The real-side division of the integer engine: "first / second -> entry".
#include "floatmath/realdivide.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "realvalues.h"
#include "state/fixedtexts.h"

namespace korvo {
namespace {

class RealDivide : public ::testing::TestWithParam<const char*> {};

TEST_P(RealDivide, ShowsTheQuotient) {
    std::istringstream row(GetParam());
    std::string mode;
    std::string first;
    std::string slash;
    std::string second;
    std::string arrow;
    std::string expected;
    row >> mode >> first >> slash >> second >> arrow >> expected;
    CalculatorState s;
    s.fpu.controlWord = kTruncateControlWord;  // left by an earlier conversion
    s.floatMode = mode == "recip" ? 1 : 0;
    s.reciprocalMode = s.floatMode;
    s.firstReal = testing_support::valueOf(10, first);
    s.realValue = testing_support::valueOf(10, second);
    realDivide(s);
    if (expected == "OOR") {
        EXPECT_EQ(s.entryText, text::kOutOfRange);
        EXPECT_TRUE(s.realValue.isZero());
    } else {
        EXPECT_EQ(s.entryText, expected);
        EXPECT_EQ(s.firstReal, s.realValue);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Quotients, RealDivide,
    ::testing::Values("int 7 / 2 -> 3.5000000000000000000", "int 2 / 3 -> 0.6666666666666666666",
                      "recip 1 / 3 -> 0.3333333333333333334", "recip 1 / 4 -> 0.25",
                      "int 1 / 123456.123456 -> 0.0000081000437402880", "int 2^62 / 0.25 -> OOR"));

}  // namespace
}  // namespace korvo
