// The entry field's keyboard: keys the typed characters never produce, the
// limits applied at a key's release, typing over a selection, the focus.
#include <optional>
#include <string>
#include <vector>

#include "control_fixture.h"

namespace korvo::control_test {
namespace {

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

TEST_F(ControlTest, ATypedDigitPastTheLimitIsRefused) {
    s.pendingOp = PendingOperation::Multiply;
    ws.setEntryText(std::string(17, '1'));
    entryKeyUp(s, ws, vk::k0 + 5);
    EXPECT_EQ(entry(), std::string(17, '1'));
    EXPECT_EQ(ws.beeps(), 1);
}

TEST_F(ControlTest, TypingOverASelectionStartsAfreshButCtrlKeepsIt) {
    click("123");
    ws.select(0, 3);
    ws.focusEntryField();
    entryKeyDown(s, ws, vk::kControl);
    EXPECT_EQ(entry(), "123");
    EXPECT_TRUE(fieldHasFocus());
    entryKeyDown(s, ws, vk::k0 + 4);
    EXPECT_EQ(entry(), "");
    EXPECT_FALSE(fieldHasFocus());
    press(cmd::kEquals);
    EXPECT_EQ(ws.readout().decimal.text, "0") << "the number went with the text";
}

TEST_F(ControlTest, KeyDownWithoutASelectionKeepsTheEntry) {
    click("123");
    entryKeyDown(s, ws, vk::k0 + 4);
    EXPECT_EQ(entry(), "123");
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

TEST_F(ControlTest, AHandedOverKeyTakesPrecedence) {
    ws.focusEntryField();
    s.pendingKeyCommand = cmd::kDigit0 + 7;
    press(cmd::kDigit0 + 1);
    EXPECT_EQ(entry(), "7");
    EXPECT_FALSE(fieldHasFocus());
}

TEST_F(ControlTest, PlusAndStarAreKeysOtherCharactersText) {
    click("6");
    ws.focusEntryField();
    for (const char c : {'5', '.', '-', '/', '%', 'a'}) {
        EXPECT_FALSE(entryCharacter(s, ws, c)) << c;
    }
    EXPECT_TRUE(entryCharacter(s, ws, '+'));
    EXPECT_EQ(ws.operatorIndicator(), "+");
    click("2");
    EXPECT_TRUE(entryCharacter(s, ws, '*'));
    EXPECT_EQ(ws.operatorIndicator(), "x");
    click("4");
    press(cmd::kEquals);
    EXPECT_EQ(entry(), "32");
}

}  // namespace
}  // namespace korvo::control_test
