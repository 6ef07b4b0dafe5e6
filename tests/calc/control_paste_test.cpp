// Cut, copy and paste of the entry field: a pasted text becomes the entry
// only when every character is a digit of the radix.
#include <gtest/gtest.h>

#include <string>

#include "control_fixture.h"
#include "state/fixedtexts.h"

namespace korvo::control_test {
namespace {

struct PasteCase {
    std::string name;
    std::uint32_t radix;
    std::string clipboard;
    std::string entry;  // what the field shows afterwards
    bool rejected;
};

class Paste : public ControlTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(Paste, IsCheckedAgainstTheRadix) {
    const PasteCase& c = GetParam();
    s.radix = c.radix;
    click("7");
    paste(c.clipboard);

    EXPECT_EQ(entry(), c.entry);
    if (c.rejected) {
        ASSERT_EQ(ws.messages().size(), 1U);
        EXPECT_EQ(ws.messages()[0].text, text::kPasteMessage);
        EXPECT_EQ(ws.messages()[0].caption, text::kCaption);
        EXPECT_EQ(ws.messages()[0].flags, 0x2030U);
        EXPECT_EQ(s.limbResult, LimbNumber{}) << "nothing of the paste remains";
        EXPECT_EQ(s.realValue, Real80{});
    } else {
        EXPECT_TRUE(ws.messages().empty());
        EXPECT_EQ(s.limbResult, limbsOf(c.entry, c.radix));
    }
    EXPECT_EQ(ws.focus(), HeadlessWindow::Focus::MainWindow);
    EXPECT_EQ(s.pendingKeyCommand, 0U);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Paste,
    ::testing::Values(
        PasteCase{"HexLowerCase", 16, "ff", "FF", false},
        PasteCase{"HexMixedCase", 16, "aBc1", "ABC1", false},
        PasteCase{"Decimal", 10, "123", "123", false},
        PasteCase{"Binary", 2, "1011", "1011", false}, PasteCase{"Empty", 10, "", "", false},
        // A lone zero is replaced by the (empty) key text.
        PasteCase{"LoneZero", 10, "0", "", false},
        PasteCase{"FirstLineOnly", 10, "12\r\n34", "12", false},
        PasteCase{"LetterInDecimal", 10, "12a", "", true}, PasteCase{"Point", 10, "1.5", "", true},
        PasteCase{"Minus", 10, "-5", "", true}, PasteCase{"EightInOctal", 8, "78", "", true},
        PasteCase{"TwoInBinary", 2, "102", "", true}, PasteCase{"GInHex", 16, "fg", "", true},
        PasteCase{"Blank", 10, "1 2", "", true},
        PasteCase{"EightBitCharacter", 10, "1\xB1", "", true},
        PasteCase{"OutOfRangeMessage", 10, "** The output is out of range **", "", true},
        PasteCase{"LeadingStar", 10, "*5", "", true}),
    CaseName{});

TEST_F(ControlTest, RejectedStarPasteLeavesTheKeypadUsable) {
    paste("*12");
    ASSERT_EQ(ws.messages().size(), 1U);
    click("5");
    EXPECT_EQ(entry(), "5");
}

TEST_F(ControlTest, PasteStartsTheCalculatorAfresh) {
    click("9");
    s.pendingOp = 1;
    s.firstOperandSet = 1;
    ws.setOperatorIndicator("+");
    paste("12");
    EXPECT_EQ(entry(), "12");
    EXPECT_EQ(s.pendingOp, 0U);
    EXPECT_EQ(s.firstOperandSet, 0U);
    EXPECT_EQ(ws.operatorIndicator(), text::kBlank);
    EXPECT_EQ(decimalLine(), "12");
}

TEST_F(ControlTest, TooLongAPasteIsRefusedWhole) {
    paste(std::string(40, '3'));
    EXPECT_EQ(entry(), "");
    EXPECT_EQ(ws.beeps(), 1);
}

TEST_F(ControlTest, PastedHexTextMeetsTheHexLimit) {
    s.radix = 16;
    paste(std::string(30, 'c'));
    EXPECT_EQ(entry(), "");
    EXPECT_EQ(ws.beeps(), 1);
}

TEST_F(ControlTest, PasteInFloatingPointModeMeetsBothLimits) {
    ws.clickCheckBox(Switch::FloatingPoint);
    floatingPointClicked(s, ws);
    s.radix = 16;
    paste(std::string(30, 'a'));
    EXPECT_EQ(entry(), "");
    EXPECT_EQ(ws.beeps(), 1);
}

TEST_F(ControlTest, EntryFieldPasteChecksTheClipboardToo) {
    ws.setClipboard("x1");
    entryPaste(s, ws);
    EXPECT_EQ(ws.messages().size(), 1U);
    ws.setClipboard("21");
    entryPaste(s, ws);
    EXPECT_EQ(entry(), "21");
    EXPECT_EQ(s.limbResult, limbsOf("21"));
}

TEST_F(ControlTest, CutMovesTheSelectionAndClears) {
    click("123");
    ws.select(1, 3);
    cutCommand(s, ws);
    EXPECT_EQ(ws.clipboardText(), "23");
    EXPECT_EQ(entry(), "");
    EXPECT_EQ(s.limbResult, LimbNumber{});
    EXPECT_EQ(decimalLine(), "0");
}

TEST_F(ControlTest, CopyChangesNothing) {
    click("123");
    ws.select(0, 2);
    copyCommand(s, ws);
    EXPECT_EQ(ws.clipboardText(), "12");
    EXPECT_EQ(entry(), "123");
    EXPECT_EQ(s.limbResult, limbsOf("123"));
}

TEST_F(ControlTest, CutAndCopyNeedASelection) {
    click("123");
    EXPECT_FALSE(cutCopyEnabled(s, ws));
    ws.select(0, 2);
    EXPECT_TRUE(cutCopyEnabled(s, ws));
    EXPECT_EQ(s.selectionStart, 0U);
    EXPECT_EQ(s.selectionEnd, 2U);
    ws.setCaret(1);
    EXPECT_FALSE(cutCopyEnabled(s, ws));
}

}  // namespace
}  // namespace korvo::control_test
