// "C": an empty entry with nothing pending, memory and modes kept.
#include <gtest/gtest.h>

#include "calc/clearall.h"
#include "control_fixture.h"
#include "state/fixedtexts.h"

namespace korvo::control_test {
namespace {

TEST_F(ControlTest, ClearAllEmptiesEntryIndicatorAndPendingState) {
    click("12.5");
    ws.setOperatorIndicator("+");
    s.pendingOp = 3;
    s.firstOperandSet = 1;
    s.hypotenusePending = 1;
    s.powerPending = 1;
    s.reciprocalMode = 1;
    s.firstReal = realOf("7");
    s.productLimbs = {1, 2, 3, 4};
    s.quotientLimbs = {5, 6, 7, 8};
    s.radixPower = {9, 10, 11, 12};
    ws.focusEntryField();

    runWindowCommand(s, ws, cmd::kClearAll);

    EXPECT_EQ(entry(), "");
    EXPECT_EQ(ws.operatorIndicator(), text::kBlank);
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::MainWindow);
    EXPECT_EQ(s.pendingOp, 0U);
    EXPECT_EQ(s.firstOperandSet, 0U);
    EXPECT_EQ(s.hypotenusePending, 0U);
    EXPECT_EQ(s.powerPending, 0U);
    EXPECT_EQ(s.reciprocalMode, 0U);
    EXPECT_EQ(s.entryHasPoint, 0U);
    EXPECT_EQ(s.limbResult, LimbNumber{});
    EXPECT_EQ(s.productLimbs, Limbs4{});
    EXPECT_EQ(s.quotientLimbs, Limbs4{});
    EXPECT_EQ(s.radixPower, Limbs4{});
    EXPECT_EQ(s.realValue, Real80{});
    EXPECT_EQ(s.firstReal, Real80{});
    EXPECT_TRUE(s.realIntText.empty());
    EXPECT_TRUE(s.realFracText.empty());
}

TEST_F(ControlTest, ClearAllPaintsTheZeroReadout) {
    click("255");
    clearAll(s, ws);
    EXPECT_EQ(ws.readout().decimal.text, "0");
    EXPECT_EQ(ws.readout().hexadecimal.text, "0");
    EXPECT_EQ(ws.readout().octal.text, "0");
    ASSERT_EQ(ws.readout().binary.size(), 1U);
    EXPECT_EQ(ws.readout().binary[0].text, "0000");
}

TEST_F(ControlTest, ClearAllPaintsTheZeroReadoutInFloatingPointMode) {
    ws.clickCheckBox(Switch::FloatingPoint);
    floatingPointClicked(s, ws);
    click("6.5");
    clearAll(s, ws);
    EXPECT_EQ(ws.readout().decimal.text, "0");
    EXPECT_EQ(ws.readout().hexadecimal.text, "0");
}

TEST_F(ControlTest, ClearAllKeepsMemoryModesAndFirstOperand) {
    s.memoryNumber = limbsOf("5");
    s.memoryReal = realOf("5");
    s.memoryHeld = 1;
    ws.setMemoryIndicator("M");
    s.firstOperand = limbsOf("8");
    s.firstIntText = "8";
    s.arcMode = 1;
    s.angleUnit = 2;
    ws.clickRadio(Switch::Hexadecimal);
    selectRadix(s, ws, 16);
    click("A");

    clearAll(s, ws);

    EXPECT_EQ(s.memoryNumber, limbsOf("5"));
    EXPECT_EQ(s.memoryReal, realOf("5"));
    EXPECT_EQ(s.memoryHeld, 1U);
    EXPECT_EQ(ws.memoryIndicator(), "M");
    EXPECT_EQ(s.firstOperand, limbsOf("8"));
    EXPECT_EQ(s.firstIntText, "8");
    EXPECT_EQ(s.radix, 16U);
    EXPECT_TRUE(ws.isChecked(Switch::Hexadecimal));
    EXPECT_EQ(s.arcMode, 1U);
    EXPECT_EQ(s.angleUnit, 2U);
    EXPECT_EQ(s.floatMode, 0U);
}

TEST_F(ControlTest, FloatingPointSwitchClearsButKeepsMemory) {
    click("5");
    s.memoryHeld = 1;
    s.memoryNumber = limbsOf("3");
    s.pendingOp = 2;
    ws.clickCheckBox(Switch::FloatingPoint);
    runWindowCommand(s, ws, cmd::kFloatingPoint);
    EXPECT_EQ(s.floatMode, 1U);
    EXPECT_EQ(entry(), "");
    EXPECT_EQ(s.pendingOp, 0U);
    EXPECT_EQ(s.memoryNumber, limbsOf("3"));

    click("7");
    ws.clickCheckBox(Switch::FloatingPoint);
    runWindowCommand(s, ws, cmd::kFloatingPoint);
    EXPECT_EQ(s.floatMode, 0U);
    EXPECT_EQ(entry(), "");
    EXPECT_EQ(s.memoryHeld, 1U);
}

}  // namespace
}  // namespace korvo::control_test
