// The sign key and the pi key.
#include <gtest/gtest.h>

#include <string>

#include "control_fixture.h"
#include "floatmath/x87.h"
#include "state/fixedtexts.h"

namespace korvo::control_test {
namespace {

struct SignCase {
    std::string name;
    std::string before;  // the field's text when the key is pressed
    std::string after;
    std::string numbers;  // the text the numbers then stand for
};

class SignKey : public ControlTest, public ::testing::WithParamInterface<SignCase> {};

TEST_P(SignKey, TogglesTheLeadingMinus) {
    const SignCase& c = GetParam();
    click("9");  // numbers that a text without digits must leave alone
    ws.setEntryText(c.before);
    press(cmd::kSign);
    EXPECT_EQ(entry(), c.after);
    EXPECT_EQ(s.limbResult, limbsOf(c.numbers));
    EXPECT_EQ(s.realValue, realOf(c.numbers));
    EXPECT_EQ(decimalLine(), c.numbers);
}

INSTANTIATE_TEST_SUITE_P(Entries, SignKey,
                         ::testing::Values(SignCase{"Positive", "12", "-12", "-12"},
                                           SignCase{"Negative", "-12", "12", "12"},
                                           SignCase{"SingleDigit", "5", "-5", "-5"},
                                           // A single digit left over is parsed too.
                                           SignCase{"SingleDigitLeft", "-5", "5", "5"},
                                           SignCase{"Fraction", "0.25", "-0.25", "-0.25"},
                                           SignCase{"Empty", "", "-", "9"},
                                           SignCase{"LoneMinus", "-", "", "9"}),
                         CaseName{});

TEST_F(ControlTest, SignKeyAppliesNoLengthLimit) {
    ws.setEntryText(std::string(34, '1'));
    press(cmd::kSign);
    EXPECT_EQ(entry(), "-" + std::string(34, '1'));
    EXPECT_EQ(ws.beeps(), 0);
}

TEST_F(ControlTest, SignKeyThenDigitsExtendTheNegativeEntry) {
    press(cmd::kSign);
    click("42");
    EXPECT_EQ(entry(), "-42");
    EXPECT_EQ(s.limbResult, limbsOf("-42"));
}

TEST_F(ControlTest, SignKeyInFloatingPointModeSignsTheRealTexts) {
    ws.clickCheckBox(Switch::FloatingPoint);
    floatingPointClicked(s, ws);
    click("0.25");  // the lone zero gives way to the point
    press(cmd::kSign);
    EXPECT_EQ(entry(), "-.25");
    EXPECT_EQ(s.realIntText, "-0");
    EXPECT_EQ(decimalLine(), "-0.25");
}

TEST_F(ControlTest, PiKeyShowsThePiText) {
    press(cmd::kPi);
    EXPECT_EQ(entry(), text::kPi);
    EXPECT_EQ(ws.caret(), 20U);  // caret at 33: the end of the text
    EXPECT_EQ(s.limbResult, limbsOf(text::kPi));
    EXPECT_EQ(decimalLine(), "3.141592653589793238");
}

TEST_F(ControlTest, PiKeyIsTheSameInEveryRadix) {
    s.radix = 2;
    press(cmd::kPi);
    EXPECT_EQ(entry(), text::kPi);
}

TEST_F(ControlTest, PiKeyLoadsPiUnderTheControlWordInForce) {
    // Rounded to nearest from a fresh unit; the conversion that follows
    // leaves the unit truncating, so a second pi is one unit lower.
    press(cmd::kPi);
    EXPECT_EQ(s.realValue, (Real80{0xC90FDAA22168C235ULL, 0x4000}));
    press(cmd::kPi);
    EXPECT_EQ(s.realValue, (Real80{0xC90FDAA22168C234ULL, 0x4000}));
}

}  // namespace
}  // namespace korvo::control_test
