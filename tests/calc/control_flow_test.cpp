// Whole calculations through the dispatcher and the window commands, where
// entry, clearing and keyboard meet the operations.
#include <gtest/gtest.h>

#include <string>

#include "calc/clearall.h"
#include "control_fixture.h"

namespace korvo::control_test {
namespace {

TEST_F(ControlTest, ClearEntryKeepsThePendingAddition) {
    click("5");
    press(cmd::kAdd);
    click("3");
    clearEntry(s, ws);
    click("4");
    press(cmd::kEquals);
    EXPECT_EQ(entry(), "9");
}

TEST_F(ControlTest, DigitsAfterAResultExtendIt) {
    type("6*7=");
    type("3");
    EXPECT_EQ(entry(), "423");
}

TEST_F(ControlTest, TypedPlusAndEqualsCalculate) {
    type("1+2=");
    EXPECT_EQ(entry(), "3");
    EXPECT_EQ(ws.operatorIndicator(), "=");
}

TEST_F(ControlTest, StarAndSemicolonMultiply) {
    type("6*7=");
    EXPECT_EQ(entry(), "42");
    clearAll(s, ws);
    type("3;5=");
    EXPECT_EQ(entry(), "15");
}

TEST_F(ControlTest, PlusAndStarCharactersAreKeysNotText) {
    click("6");
    ws.focusEntryField();
    EXPECT_TRUE(entryCharacter(s, ws, '+'));
    EXPECT_EQ(ws.operatorIndicator(), "+");
    EXPECT_EQ(entry(), "");
    click("2");
    EXPECT_TRUE(entryCharacter(s, ws, '*'));
    EXPECT_EQ(ws.operatorIndicator(), "x");
    EXPECT_EQ(entry().find_first_of("+*"), std::string::npos);
}

TEST_F(ControlTest, DivisionByZeroBlocksUntilBackSpace) {
    click("8");
    press(cmd::kDivide);
    click("0");
    press(cmd::kEquals);
    ASSERT_TRUE(entry().starts_with("*"));
    click("5");
    press(cmd::kAdd);
    ASSERT_TRUE(entry().starts_with("*"));
    backSpace(s, ws);
    EXPECT_EQ(entry(), "");
    click("5");
    EXPECT_EQ(entry(), "5");
}

TEST_F(ControlTest, MemorySurvivesClearAndTheModeSwitch) {
    click("5");
    press(cmd::kMemoryStore);
    runWindowCommand(s, ws, cmd::kClearAll);
    press(cmd::kMemoryRecall);
    EXPECT_EQ(entry(), "5");
    EXPECT_EQ(ws.memoryIndicator(), "M");
}

TEST_F(ControlTest, SingleDigitLeftBySignKeyIsTheNumberComputedWith) {
    click("5");
    press(cmd::kSign);
    press(cmd::kSign);
    press(cmd::kAdd);
    click("1");
    press(cmd::kEquals);
    EXPECT_EQ(entry(), "6");
}

}  // namespace
}  // namespace korvo::control_test
