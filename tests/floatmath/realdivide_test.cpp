// The extended-real division of the integer engine.
#include "floatmath/realdivide.h"

#include <gtest/gtest.h>

#include "floatmath/x87.h"
#include "realtestsupport.h"

namespace korvo {
namespace {

using testing_support::parseText;

CalculatorState dividing(std::int64_t a, std::int64_t b) {
    CalculatorState s;
    s.firstReal = x87::loadInteger(a);
    s.realValue = x87::loadInteger(b);
    return s;
}

TEST(RealDivide, ShowsAPlainQuotientWithAllItsDigits) {
    CalculatorState s = dividing(7, 2);
    realDivide(s);
    EXPECT_EQ(s.entryText, "3.500000000000000000");
    EXPECT_EQ(s.skipFractionTrim, 0U);
    EXPECT_EQ(s.fpu.controlWord, kTruncateControlWord);
}

TEST(RealDivide, DividesAfterInitialisingTheUnit) {
    CalculatorState s = dividing(2, 3);
    s.fpu.controlWord = kTruncateControlWord;  // left by an earlier conversion
    realDivide(s);
    const Real80 twoThirds{0xAAAAAAAAAAAAAAABULL, 0x3FFE};
    EXPECT_EQ(s.realValue, twoThirds);
    EXPECT_EQ(s.firstReal, twoThirds);
    EXPECT_EQ(s.entryText, "0.6666666666666666667");
}

TEST(RealDivide, ReciprocalIsRoundedAndTrimmed) {
    CalculatorState s = dividing(1, 3);
    s.floatMode = 1;
    s.reciprocalMode = 1;
    realDivide(s);
    EXPECT_EQ(s.entryText, "0.3333333333333333333");

    s = dividing(1, 4);
    s.floatMode = 1;
    s.reciprocalMode = 1;
    realDivide(s);
    EXPECT_EQ(s.entryText, "0.25");
}

TEST(RealDivide, WideDivisor) {
    CalculatorState s;
    s.firstReal = x87::loadInteger(1);
    parseText(s, "123456.123456");
    realDivide(s);
    EXPECT_EQ(s.entryText, "0.0000081000437402880");
}

TEST(RealDivide, QuotientTooLongGivesTheMessage) {
    CalculatorState s;
    parseText(s, "0.25");
    s.firstReal = testing_support::powerOf2(62);
    realDivide(s);
    EXPECT_EQ(s.entryText, std::string(text::kOutOfRange));
    EXPECT_EQ(s.realValue, Real80{});
    EXPECT_EQ(s.firstReal, testing_support::powerOf2(64));
}

}  // namespace
}  // namespace korvo
