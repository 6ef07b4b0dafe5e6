// Back Space, CE, the base, angle and Arc switches, Info, and the routing
// of window commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "control_fixture.h"
#include "state/fixedtexts.h"

namespace korvo::control_test {
namespace {

struct BackSpaceCase {
    std::string name;
    std::string before;
    std::string after;
};

class BackSpace : public ControlTest, public ::testing::WithParamInterface<BackSpaceCase> {};

TEST_P(BackSpace, DropsTheLastCharacter) {
    const BackSpaceCase& c = GetParam();
    ws.setEntryText(c.before);
    ws.focusEntryField();
    runWindowCommand(s, ws, cmd::kBackSpace);
    EXPECT_EQ(entry(), c.after);
    EXPECT_EQ(ws.caret(), c.after.size());
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::MainWindow);
    EXPECT_EQ(s.limbResult, limbsOf(c.after));
    EXPECT_EQ(s.realValue, realOf(c.after));
    EXPECT_EQ(decimalLine(), c.after.empty() ? "0" : c.after);
}

INSTANTIATE_TEST_SUITE_P(Entries, BackSpace,
                         ::testing::Values(BackSpaceCase{"Digits", "123", "12"},
                                           BackSpaceCase{"LastDigit", "7", ""},
                                           BackSpaceCase{"Point", "1.", "1"},
                                           BackSpaceCase{"Fraction", "-2.55", "-2.5"}),
                         CaseName{});

TEST_F(ControlTest, BackSpaceOnALongFieldRemovesItsLastCharacter) {
    ws.setEntryText("1234" + std::string(36, '0'));
    backSpace(s, ws);
    EXPECT_EQ(entry(), "1234" + std::string(35, '0'));
}

TEST_F(ControlTest, BackSpaceOnAnEmptyEntryChangesNothing) {
    ws.focusEntryField();
    backSpace(s, ws);
    EXPECT_EQ(entry(), "");
    EXPECT_FALSE(ws.readoutPainted());
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::EntryField);
}

TEST_F(ControlTest, BackSpaceRemovesTheOutOfRangeMessageWhole) {
    click("5");
    const LimbNumber before = s.limbResult;
    ws.setEntryText(text::kOutOfRange);
    ws.focusEntryField();
    backSpace(s, ws);
    EXPECT_EQ(entry(), "");
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::MainWindow);
    EXPECT_NE(before, LimbNumber{});
    EXPECT_EQ(s.limbResult, LimbNumber{}) << "removed as CE removes it";
    click("8");
    EXPECT_EQ(entry(), "8");
}

TEST_F(ControlTest, ClearEntryEmptiesTheFieldOnly) {
    click("53");
    s.pendingOp = 1;
    s.firstOperandSet = 1;
    s.firstOperand = limbsOf("5");
    const ReadoutPicture picture = ws.readout();
    ws.focusEntryField();

    runWindowCommand(s, ws, cmd::kClearEntry);

    EXPECT_EQ(entry(), "");
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::MainWindow);
    EXPECT_EQ(s.limbResult, LimbNumber{});
    EXPECT_EQ(s.realValue, Real80{});
    EXPECT_EQ(s.pendingOp, 1U);
    EXPECT_EQ(s.firstOperand, limbsOf("5"));
    EXPECT_EQ(ws.readout(), picture);
}

TEST_F(ControlTest, ClearEntryAlsoLiftsTheOutOfRangeBlock) {
    ws.setEntryText(text::kOutOfRange);
    clearEntry(s, ws);
    click("4");
    EXPECT_EQ(entry(), "4");
}

struct RadixCase {
    Switch radio;
    std::uint32_t command;
    std::uint32_t radix;
    std::string entry;
};

TEST_F(ControlTest, BaseChangeRewritesTheEntry) {
    click("255");
    const RadixCase steps[] = {{Switch::Hexadecimal, cmd::kHexadecimal, 16, "FF"},
                               {Switch::Binary, cmd::kBinary, 2, "11111111"},
                               {Switch::Octal, cmd::kOctal, 8, "377"},
                               {Switch::Decimal, cmd::kDecimal, 10, "255"}};
    std::uint32_t previous = 10;
    for (const RadixCase& step : steps) {
        ws.clickRadio(step.radio);
        ws.focusEntryField();
        runWindowCommand(s, ws, step.command);
        EXPECT_EQ(entry(), step.entry);
        EXPECT_EQ(s.radix, step.radix);
        EXPECT_EQ(s.previousRadix, previous);
        EXPECT_EQ(s.formatRadix, 0U);
        EXPECT_EQ(s.formatNoEntryCopy, 0U);
        EXPECT_EQ(ws.caret(), step.entry.size());
        EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::MainWindow);
        previous = step.radix;
    }
}

TEST_F(ControlTest, BaseAlreadyInForceChangesNothing) {
    click("255");
    ws.clickRadio(Switch::Hexadecimal);
    selectRadix(s, ws, 16);
    ws.setCaret(0);
    ws.focusEntryField();
    selectRadix(s, ws, 16);
    EXPECT_EQ(entry(), "FF");
    EXPECT_EQ(ws.caret(), 0U);
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::MainWindow);  // a switch keeps no focus
    EXPECT_EQ(s.previousRadix, 10U);
}

TEST_F(ControlTest, BaseChangeInFloatingPointMode) {
    ws.clickCheckBox(Switch::FloatingPoint);
    floatingPointClicked(s, ws);
    click("12.5");
    selectRadix(s, ws, 16);
    EXPECT_EQ(entry(), "C.5");
    selectRadix(s, ws, 10);
    EXPECT_EQ(entry(), "12.5");
}

TEST_F(ControlTest, NegativeFractionInBinaryAfterTheSignKey) {
    ws.clickCheckBox(Switch::FloatingPoint);
    floatingPointClicked(s, ws);
    click("0.25");
    press(cmd::kSign);
    selectRadix(s, ws, 2);
    EXPECT_EQ(entry(), "-0.11001");
}

struct AngleStep {
    Switch box;
    std::uint32_t command;
    std::uint32_t angleUnit;
    bool degreesChecked;
    bool radiansChecked;
};

TEST_F(ControlTest, DegAndRadUncheckEachOther) {
    // The boxes toggle themselves; each command only unchecks the other.
    const AngleStep steps[] = {
        {Switch::Radians, cmd::kRadians, 2, false, true},
        {Switch::Degrees, cmd::kDegrees, 1, true, false},
        {Switch::Degrees, cmd::kDegrees, 1, false, false},  // a click on the checked box
        {Switch::Radians, cmd::kRadians, 2, false, true},
        {Switch::Radians, cmd::kRadians, 2, false, false},
    };
    for (const AngleStep& step : steps) {
        ws.clickCheckBox(step.box);
        runWindowCommand(s, ws, step.command);
        EXPECT_EQ(s.angleUnit, step.angleUnit);
        EXPECT_EQ(ws.isChecked(Switch::Degrees), step.degreesChecked);
        EXPECT_EQ(ws.isChecked(Switch::Radians), step.radiansChecked);
    }
}

TEST_F(ControlTest, ArcFollowsItsBoxAndClearsNothing) {
    click("42");
    ws.focusEntryField();
    ws.clickCheckBox(Switch::Arc);
    runWindowCommand(s, ws, cmd::kArc);
    EXPECT_EQ(s.arcMode, 1U);
    EXPECT_EQ(entry(), "42");
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::MainWindow);  // a switch keeps no focus
    ws.clickCheckBox(Switch::Arc);
    runWindowCommand(s, ws, cmd::kArc);
    EXPECT_EQ(s.arcMode, 0U);
}

TEST_F(ControlTest, InfoShowsTheSevenLineText) {
    runWindowCommand(s, ws, cmd::kInfo);
    ASSERT_EQ(ws.messages().size(), 1U);
    const auto& message = ws.messages()[0];
    EXPECT_EQ(message.caption, "KORVO CALCULATOR");
    EXPECT_EQ(message.flags, 0U);
    EXPECT_EQ(message.text.find_first_not_of(' '), 38U);
    EXPECT_EQ(std::count(message.text.begin(), message.text.end(), '\n'), 6);
    EXPECT_FALSE(message.text.ends_with("\r\n"));
    EXPECT_NE(message.text.find("(1). X**n  Enter"), std::string::npos);
}

struct RouteCase {
    std::uint32_t command;
    bool handled;
    std::string entry;  // starting from 123 in base 10
};

TEST_F(ControlTest, WindowCommandsAreRoutedById) {
    const RouteCase routes[] = {{cmd::kBackSpace, true, "12"},   {cmd::kClearEntry, true, ""},
                                {cmd::kClearAll, true, ""},      {cmd::kDegrees, true, "123"},
                                {cmd::kRadians, true, "123"},    {cmd::kArc, true, "123"},
                                {cmd::kDecimal, true, "123"},    {cmd::kHexadecimal, true, "7B"},
                                {cmd::kOctal, true, "173"},      {cmd::kBinary, true, "1111011"},
                                {cmd::kCopy, true, "123"},       {cmd::kInfo, true, "123"},
                                {cmd::kCut, true, ""},           {cmd::kPasteMenu, true, ""},
                                {cmd::kClose, false, "123"},     {cmd::kAbout, false, "123"},
                                {cmd::kDigit0 + 1, false, "123"}};
    for (const RouteCase& route : routes) {
        CalculatorState fresh;
        s = fresh;
        ws.setEntryText("");
        click("123");
        EXPECT_EQ(runWindowCommand(s, ws, route.command), route.handled) << route.command;
        EXPECT_EQ(entry(), route.entry) << route.command;
    }
}

}  // namespace
}  // namespace korvo::control_test
