// The entry field's keyboard: keys the typed characters never produce, the
// limits left to the keys, and the focus a key hands back.
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

}  // namespace
}  // namespace korvo::control_test
