// The entry field's keys and the window commands, on a headless window whose
// field a test can set up as no golden case can: keys the typed characters
// never produce, limits left to the keys, overlong texts, the out-of-range
// message, the focus a key or switch hands back, the Info text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/commandids.h"
#include "calc/dispatcher.h"
#include "calc/entryfield.h"
#include "calc/windowcommands.h"
#include "cli/headlesswindow.h"
#include "state/calculatorstate.h"
#include "state/fixedtexts.h"

namespace korvo {
namespace {

class ControlTest : public ::testing::Test {
  protected:
    CalculatorState s;
    HeadlessWindow ws;
    void press(std::uint32_t id) { dispatchKeypadCommand(s, ws, id); }
    // Clicks keypad keys: 0-9, A-F and ".".
    void click(std::string_view keys) {
        for (const char key : keys) {
            const auto at = std::string_view("0123456789ABCDEF.").find(key);
            ASSERT_NE(at, std::string_view::npos) << key;
            press(cmd::kDigit0 + static_cast<std::uint32_t>(at));
        }
    }
    [[nodiscard]] std::string entry() { return ws.entryText(); }
    [[nodiscard]] bool fieldHasFocus() const {
        return ws.focus() == HeadlessWindow::Focus::EntryField;
    }
};

TEST(KeyCommand, KeypadAndPunctuationKeys) {
    const std::vector<std::pair<std::uint32_t, std::optional<std::uint32_t>>> keys = {
        {vk::kNumpad0, cmd::kDigit0}, {vk::kNumpad9, cmd::kDigit0 + 9},
        {0x6E, cmd::kPoint},          {vk::kSubtract, cmd::kSubtract},
        {0x6F, cmd::kDivide},         {vk::kReturn, cmd::kEquals},
        {0x47, std::nullopt},         {0x2F, std::nullopt},
        {0x3A, std::nullopt},         {0x6C, std::nullopt},
        {0xBC, std::nullopt},         {0x130, std::nullopt}};
    for (const auto& [key, command] : keys) {
        EXPECT_EQ(keyCommand(key), command) << "key " << key;
    }
}

// The limits are the keys' to apply: a release never cuts the field.
TEST_F(ControlTest, AReleaseLeavesAnyFieldWhole) {
    const std::vector<std::pair<PendingOperation, std::uint32_t>> modes = {
        {PendingOperation::Multiply, 0},
        {PendingOperation::Divide, 0},
        {PendingOperation::None, 1}};
    for (const auto& [pendingOp, floatMode] : modes) {
        s.pendingOp = pendingOp;
        s.floatMode = floatMode;
        ws.setEntryText(std::string(40, '7'));
        entryKeyUp(s, ws, 0x47);  // G gives no command of its own
        EXPECT_EQ(entry(), std::string(40, '7'));
    }
    EXPECT_EQ(ws.beeps(), 0);
}

TEST_F(ControlTest, OnlyKeysWithACommandReturnTheFocus) {
    ws.focusEntryField();
    entryKeyUp(s, ws, 0x47);
    EXPECT_TRUE(fieldHasFocus());
    entryKeyUp(s, ws, vk::k0 + 1);
    EXPECT_FALSE(fieldHasFocus());
    ws.focusEntryField();
    click("5");  // a click leaves the focus where it was
    EXPECT_TRUE(fieldHasFocus());
    EXPECT_EQ(entry(), "15");
}

TEST_F(ControlTest, AnOverlongFieldIsNeverCut) {
    ws.setEntryText(std::string(40, '1'));
    click("2");
    EXPECT_EQ(entry(), std::string(40, '1'));
    EXPECT_EQ(ws.beeps(), 1);
    ws.setEntryText("1234" + std::string(36, '0'));
    backSpace(s, ws);
    EXPECT_EQ(entry(), "1234" + std::string(35, '0'));
    // A multiplication pending in hex: past two limits, one beep.
    s.radix = 16;
    s.pendingOp = PendingOperation::Multiply;
    ws.setEntryText(std::string(34, 'A'));
    click("B");
    EXPECT_EQ(ws.beeps(), 2);
    EXPECT_EQ(entry(), std::string(34, 'A'));
}

TEST_F(ControlTest, OutOfRangeMessageBlocksEveryKeypadKeyUntilBackSpace) {
    click("5");
    ws.setEntryText(text::kOutOfRange);
    for (std::uint32_t id = cmd::kDigit0; id <= cmd::kEToX; ++id) {
        press(id);
        ASSERT_EQ(entry(), text::kOutOfRange) << "key " << id;
    }
    EXPECT_EQ(ws.memoryIndicator().find('M'), std::string::npos) << "MS was blocked too";
    ws.focusEntryField();
    backSpace(s, ws);
    EXPECT_EQ(entry(), "");
    EXPECT_FALSE(fieldHasFocus());
    EXPECT_EQ(ws.readout().decimal.text, "0") << "the message is never read as a number";
}

TEST_F(ControlTest, BackSpaceOnAnEmptyEntryChangesNothing) {
    ws.focusEntryField();
    backSpace(s, ws);
    EXPECT_FALSE(ws.readoutPainted());
    EXPECT_TRUE(fieldHasFocus());
}

TEST_F(ControlTest, BaseInForceChangesNothingAndSwitchesKeepNoFocus) {
    click("255");
    ws.setCaret(0);
    ws.focusEntryField();
    selectRadix(s, ws, 10);
    EXPECT_EQ(ws.caret(), 0U);
    EXPECT_FALSE(fieldHasFocus()) << "a switch keeps no focus";
    selectRadix(s, ws, 16);
    EXPECT_EQ(entry(), "FF");
    EXPECT_EQ(ws.caret(), 2U);
    EXPECT_FALSE(fieldHasFocus());
    ws.focusEntryField();
    arcClicked(s, ws);
    EXPECT_FALSE(fieldHasFocus());
}

TEST_F(ControlTest, InfoShowsTheSevenLineText) {
    runWindowCommand(s, ws, cmd::kInfo);
    ASSERT_EQ(ws.messages().size(), 1U);
    const auto& message = ws.messages()[0];
    EXPECT_EQ(message.caption, "KORVO CALCULATOR");
    EXPECT_EQ(message.text.find_first_not_of(' '), 38U);
    EXPECT_EQ(std::count(message.text.begin(), message.text.end(), '\n'), 6);
    EXPECT_NE(message.text.find("(1). X**n  Enter"), std::string::npos);
}

}  // namespace
}  // namespace korvo
