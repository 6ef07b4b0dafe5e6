// Digit and point keys: which keys a radix takes, how the entry grows, its
// length limits, and the numbers that follow it.
#include <gtest/gtest.h>

#include <string>

#include "control_fixture.h"
#include "state/fixedtexts.h"

namespace korvo::control_test {
namespace {

struct EntryCase {
    std::uint32_t radix;
    std::string keys;
    std::string entry;
};

class DigitKeys : public ControlTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(DigitKeys, BuildTheEntryInTheRadix) {
    const EntryCase& c = GetParam();
    s.radix = c.radix;
    click(c.keys);
    EXPECT_EQ(entry(), c.entry);
    EXPECT_EQ(ws.beeps(), 0) << "a refused digit is silent";
    EXPECT_EQ(s.limbResult, limbsOf(c.entry, c.radix));
}

INSTANTIATE_TEST_SUITE_P(RadixAcceptance, DigitKeys,
                         ::testing::Values(EntryCase{2, "123456789ABCDEF01", "101"},
                                           EntryCase{8, "1234567890ABCDEF", "12345670"},
                                           EntryCase{10, "1234567890ABCDEF", "1234567890"},
                                           EntryCase{16, "1234567890ABCDEF", "1234567890ABCDEF"},
                                           EntryCase{2, "1.1", "1.1"}, EntryCase{8, "7.7", "7.7"},
                                           EntryCase{16, "F.F", "F.F"}));

INSTANTIATE_TEST_SUITE_P(LoneZeroAndPoint, DigitKeys,
                         ::testing::Values(EntryCase{10, "07", "7"}, EntryCase{10, "0.", "."},
                                           EntryCase{10, "00", "0"}, EntryCase{10, "0.05", ".05"},
                                           EntryCase{10, "1..", "1."},
                                           EntryCase{10, "1.2.3", "1.23"},
                                           EntryCase{16, "0A", "A"}));

TEST_F(ControlTest, NumbersAndReadoutFollowEveryDigit) {
    click("12.5");
    EXPECT_EQ(entry(), "12.5");
    EXPECT_EQ(s.limbResult, limbsOf("12.5"));
    EXPECT_EQ(s.realValue, realOf("12.5"));
    EXPECT_EQ(s.entryHasPoint, 1U);
    ASSERT_TRUE(ws.readoutPainted());
    EXPECT_EQ(decimalLine(), "12.5");
    EXPECT_EQ(ws.readout().hexadecimal.text, "C.5");
}

TEST_F(ControlTest, CaretStandsAtTheEndAfterAKey) {
    click("123");
    EXPECT_EQ(ws.caret(), 3U);
    EXPECT_EQ(ws.entrySelection().end, ws.entrySelection().start);
}

TEST_F(ControlTest, EntryIsReadFromTheFieldAtEveryKey) {
    click("12");
    ws.setEntryText("40");  // the field was changed behind the dispatcher's back
    click("7");
    EXPECT_EQ(entry(), "407");
    EXPECT_EQ(s.limbResult, limbsOf("407"));
}

TEST_F(ControlTest, AnOverlongFieldRefusesTheKey) {
    ws.setEntryText(std::string(40, '1'));
    click("2");
    EXPECT_EQ(entry(), std::string(40, '1')) << "the number is never cut";
    EXPECT_EQ(ws.beeps(), 1);
}

struct LimitCase {
    std::string name;
    std::uint32_t radix;
    std::uint32_t pendingOp;
    bool floatMode;
    std::size_t longest;
};

class LengthLimits : public ControlTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(LengthLimits, RefuseTheNextCharacterWithABeep) {
    const LimitCase& c = GetParam();
    if (c.floatMode) {
        ws.clickCheckBox(Switch::FloatingPoint);
        floatingPointClicked(s, ws);
    }
    s.radix = c.radix;
    s.pendingOp = c.pendingOp;
    const std::string typed = "12345671234567123456712345671234567";
    click(typed.substr(0, c.longest));
    EXPECT_EQ(ws.beeps(), 0);
    EXPECT_EQ(entry().size(), c.longest);

    click("1");
    EXPECT_EQ(ws.beeps(), 1);
    EXPECT_EQ(entry(), typed.substr(0, c.longest));
    EXPECT_EQ(ws.caret(), c.longest);
    EXPECT_EQ(s.limbResult, limbsOf(typed.substr(0, c.longest), c.radix))
        << "the numbers follow the cut entry";
}

INSTANTIATE_TEST_SUITE_P(Entry, LengthLimits,
                         ::testing::Values(LimitCase{"Decimal", 10, 0, false, 34},
                                           LimitCase{"Octal", 8, 0, false, 34},
                                           LimitCase{"Hexadecimal", 16, 0, false, 28},
                                           LimitCase{"MultiplyPending", 10, 3, false, 16},
                                           LimitCase{"MultiplyPendingHex", 16, 3, false, 16},
                                           LimitCase{"DividePending", 10, 4, false, 19},
                                           LimitCase{"FloatingPoint", 10, 0, true, 19},
                                           LimitCase{"AddPending", 10, 1, false, 34}),
                         CaseName{});

TEST_F(ControlTest, AKeyPastTwoLimitsBeepsOnce) {
    s.radix = 16;
    s.pendingOp = 3;
    ws.setEntryText(std::string(34, 'A'));
    click("B");
    EXPECT_EQ(ws.beeps(), 1);
    EXPECT_EQ(entry(), std::string(34, 'A'));
}

TEST_F(ControlTest, AClickedKeyLeavesTheFocusWhereItWas) {
    ws.focusEntryField();
    click("5");
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::EntryField);
}

TEST_F(ControlTest, AHandedOverKeyTakesPrecedenceAndMovesTheFocus) {
    ws.focusEntryField();
    s.pendingKeyCommand = cmd::kDigit0 + 7;
    dispatchKeypadCommand(s, ws, cmd::kDigit0 + 1);
    EXPECT_EQ(entry(), "7");
    EXPECT_EQ(s.pendingKeyCommand, 0U);
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::MainWindow);
}

TEST_F(ControlTest, EveryCommandBlanksTheOperatorIndicator) {
    ws.setOperatorIndicator("+");
    press(cmd::kDigit0 + 9);
    EXPECT_EQ(ws.operatorIndicator(), text::kBlank);
    ws.setOperatorIndicator("x");
    s.radix = 8;
    press(cmd::kDigit0 + 9);  // refused, blanked all the same
    EXPECT_EQ(ws.operatorIndicator(), text::kBlank);
    ws.setOperatorIndicator("/");
    press(999);
    EXPECT_EQ(ws.operatorIndicator(), text::kBlank);
}

TEST_F(ControlTest, UnknownIdsDoNothing) {
    click("42");
    const LimbNumber before = s.limbResult;
    for (const std::uint32_t id : {0U, 199U, 245U, 287U, 289U, 6006U}) {
        press(id);
    }
    EXPECT_EQ(entry(), "42");
    EXPECT_EQ(s.limbResult, before);
    EXPECT_EQ(ws.beeps(), 0);
}

// While the entry shows the out-of-range message every key waits for C, CE
// or Back Space.
TEST_F(ControlTest, OutOfRangeMessageBlocksEveryKeypadKey) {
    click("5");
    const LimbNumber limbs = s.limbResult;
    const Real80 real = s.realValue;
    ws.setEntryText(text::kOutOfRange);
    for (std::uint32_t id = cmd::kDigit0; id <= cmd::kEToX; ++id) {
        press(id);
        ASSERT_EQ(entry(), text::kOutOfRange) << "key " << id;
    }
    EXPECT_EQ(s.limbResult, limbs);
    EXPECT_EQ(s.realValue, real);
    EXPECT_EQ(s.pendingOp, 0U);
    EXPECT_EQ(s.memoryHeld, 0U);
    EXPECT_EQ(ws.beeps(), 0);
    EXPECT_EQ(ws.operatorIndicator(), text::kBlank);
}

}  // namespace
}  // namespace korvo::control_test
