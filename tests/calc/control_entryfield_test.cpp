// The entry field's keyboard: which key gives which command, the limits
// applied at a key's release, and typing over a selection.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "control_fixture.h"

namespace korvo::control_test {
namespace {

struct KeyCase {
    std::uint32_t virtualKey;
    std::optional<std::uint32_t> command;
};

TEST(KeyCommand, MapsTheKeyTable) {
    const KeyCase cases[] = {
        {0x30, 200},          {0x39, 209},          {0x60, 200},          {0x65, 205},
        {0x69, 209},          {0x41, 210},          {0x46, 215},          {0x6E, 216},
        {0xBE, 216},          {0x6B, 218},          {0x6D, 219},          {0xBD, 219},
        {0x6A, 220},          {0xBA, 220},          {0x6F, 221},          {0xBF, 221},
        {0x0D, 222},          {0xBB, 222},          {0x47, std::nullopt}, {0x5A, std::nullopt},
        {0x08, std::nullopt}, {0x10, std::nullopt}, {0x11, std::nullopt}, {0x2F, std::nullopt},
        {0x3A, std::nullopt}, {0x40, std::nullopt}, {0x5F, std::nullopt}, {0x6C, std::nullopt},
        {0x70, std::nullopt}, {0xBC, std::nullopt}, {0xC0, std::nullopt},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(keyCommand(c.virtualKey), c.command) << "key 0x" << std::hex << c.virtualKey;
    }
}

TEST(KeyCommand, NoOtherKeyGivesACommand) {
    // 10 + 10 digit keys, A-F, two points, plus, two minus, two multiply,
    // two divide, two equals.
    int mapped = 0;
    for (std::uint32_t key = 0; key < 0x100; ++key) {
        mapped += keyCommand(key).has_value() ? 1 : 0;
    }
    EXPECT_EQ(mapped, 37);
    EXPECT_FALSE(keyCommand(0x130).has_value());
}

struct CharacterCase {
    char character;
    std::optional<std::uint32_t> virtualKey;
};

TEST(VirtualKeyForCharacter, GivesTheKeyOfTheNormalFlow) {
    const CharacterCase cases[] = {
        {'0', 0x30},         {'9', 0x39},          {'a', 0x41},         {'F', 0x46},
        {'f', 0x46},         {'g', 0x47},          {'Z', 0x5A},         {'z', 0x5A},
        {'.', 0xBE},         {'+', 0x6B},          {'-', 0xBD},         {'*', 0x6A},
        {'/', 0xBF},         {'=', 0xBB},          {';', 0xBA},         {' ', std::nullopt},
        {'%', std::nullopt}, {'\0', std::nullopt}, {',', std::nullopt}, {'\x80', std::nullopt},
    };
    for (const CharacterCase& c : cases) {
        EXPECT_EQ(virtualKeyForCharacter(c.character), c.virtualKey) << "'" << c.character << "'";
    }
}

TEST_F(ControlTest, TypedDigitsEnterOnceEachAndReturnTheFocus) {
    type("1");
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::MainWindow);
    type("23");
    EXPECT_EQ(entry(), "123");
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::MainWindow);
    EXPECT_EQ(s.limbResult, limbsOf("123"));
}

TEST_F(ControlTest, HexLettersAreTypedInEveryCaseButTakenOnlyInHex) {
    type("a1");
    EXPECT_EQ(entry(), "1");
    s.radix = 16;
    type("bC");
    EXPECT_EQ(entry(), "1BC");
}

TEST_F(ControlTest, AKeyWithoutCommandLeavesTheFocusInTheField) {
    type("g");
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::EntryField);
    EXPECT_EQ(s.pendingKeyCommand, 0U);
    EXPECT_EQ(entry(), "");
}

struct ReleaseCase {
    std::string name;
    std::uint32_t pendingOp;
    bool floatMode;
    std::size_t length;  // of the field's text at the release
    std::size_t cutTo;   // the field's length afterwards
};

class ReleaseLimits : public ControlTest, public ::testing::WithParamInterface<ReleaseCase> {};

TEST_P(ReleaseLimits, CutTheFieldBeforeTheKeyRuns) {
    const ReleaseCase& c = GetParam();
    s.floatMode = c.floatMode ? 1 : 0;
    s.pendingOp = c.pendingOp;
    const std::string text(c.length, '7');
    ws.setEntryText(text);
    entryKeyUp(s, ws, 0x47);  // G: no command of its own
    EXPECT_EQ(entry(), text.substr(0, c.cutTo));
    EXPECT_EQ(ws.beeps(), c.cutTo < c.length ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReleaseLimits,
                         ::testing::Values(ReleaseCase{"Multiply16", 3, false, 16, 16},
                                           ReleaseCase{"Multiply17", 3, false, 17, 17},
                                           ReleaseCase{"MultiplyFirstInFloat", 3, true, 25, 25},
                                           ReleaseCase{"Divide19", 4, false, 19, 19},
                                           ReleaseCase{"Divide20", 4, false, 20, 20},
                                           ReleaseCase{"Divide40", 4, false, 40, 40},
                                           ReleaseCase{"Float20", 0, true, 20, 20},
                                           ReleaseCase{"FloatAdd19", 1, true, 19, 19},
                                           ReleaseCase{"Add40", 1, false, 40, 40},
                                           ReleaseCase{"Nothing40", 0, false, 40, 40}),
                         CaseName{});

TEST_F(ControlTest, ReleaseLimitComesBeforeTheKeysDigit) {
    s.pendingOp = 3;
    ws.setEntryText(std::string(17, '1'));
    type("5");
    EXPECT_EQ(entry(), std::string(17, '1'));
    EXPECT_EQ(ws.beeps(), 1);
}

TEST_F(ControlTest, TypingOverASelectionStartsAfresh) {
    click("123");
    ws.select(0, 3);
    ws.focusEntryField();
    entryKeyDown(s, ws, 0x34);
    EXPECT_EQ(entry(), "");
    EXPECT_EQ(s.limbResult, LimbNumber{});
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::MainWindow);
    EXPECT_EQ(s.selectionEnd, 3U);
}

TEST_F(ControlTest, CtrlOverASelectionKeepsIt) {
    click("123");
    ws.select(0, 3);
    ws.focusEntryField();
    entryKeyDown(s, ws, vk::kControl);
    EXPECT_EQ(entry(), "123");
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::EntryField);
}

TEST_F(ControlTest, KeyDownWithoutASelectionKeepsTheEntry) {
    click("123");
    ws.focusEntryField();
    entryKeyDown(s, ws, 0x34);
    EXPECT_EQ(entry(), "123");
    EXPECT_EQ(s.limbResult, limbsOf("123"));
}

TEST_F(ControlTest, OtherCharactersGoToTheEditControl) {
    click("12");
    for (const char c : {'5', '.', '-', '/', '%', 'a'}) {
        EXPECT_FALSE(entryCharacter(s, ws, c)) << c;
    }
    EXPECT_EQ(entry(), "12");
    EXPECT_EQ(s.pendingKeyCommand, 0U);
}

}  // namespace
}  // namespace korvo::control_test
