// Window commands and keys on a field the user set up: overlong texts, the
// out-of-range message, the focus, the Info text.
#include <algorithm>
#include <string>

#include "control_fixture.h"
#include "state/fixedtexts.h"

namespace korvo::control_test {
namespace {

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
}  // namespace korvo::control_test
