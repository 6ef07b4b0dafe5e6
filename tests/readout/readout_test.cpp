// The readout picture: where everything stands, what each line shows in both
// modes, and that painting leaves the calculator as it was.
#include "readout/readout.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "readouttestsupport.h"

namespace korvo {
namespace {

using testing_support::floatState;
using testing_support::integerState;

std::vector<std::string> binaryTexts(const ReadoutPicture& p) {
    std::vector<std::string> texts;
    for (const PictureLine& line : p.binary) {
        texts.push_back(line.text);
    }
    return texts;
}

TEST(ReadoutGeometry, PanelLabelsAndLinesStandInPlace) {
    CalculatorState s;
    s.labelColour = 0x00123456;
    s.valueColour = 0x00654321;
    const ReadoutPicture p = paintReadout(s);
    EXPECT_EQ(p.background, (PixelRect{2, 10, 159, 194}));
    const std::array<PictureLabel, 4> labels{
        PictureLabel{64, 10, "Dec"}, PictureLabel{64, 40, "Hex"}, PictureLabel{64, 70, "Oct"},
        PictureLabel{64, 100, "Bin"}};
    EXPECT_EQ(p.labels, labels);
    EXPECT_EQ(p.decimal.rect, (PixelRect{4, 24, 159, 36}));
    EXPECT_EQ(p.hexadecimal.rect, (PixelRect{4, 54, 159, 66}));
    EXPECT_EQ(p.octal.rect, (PixelRect{4, 84, 159, 96}));
    ASSERT_EQ(p.binary.size(), 1U);
    EXPECT_EQ(p.binary[0].rect, (PixelRect{4, 114, 159, 126}));
    EXPECT_EQ(p.font, (PictureFont{14, 8, 500, "Courier New"}));
    EXPECT_EQ(p.labelColour, 0x00123456U);
    EXPECT_EQ(p.valueColour, 0x00654321U);
}

TEST(ReadoutGeometry, BinaryLinesStepElevenPixelsDown) {
    CalculatorState s = integerState(16, std::string(32, 'F'));
    const ReadoutPicture p = paintReadout(s);
    ASSERT_EQ(p.binary.size(), 7U);
    for (std::size_t j = 0; j < p.binary.size(); ++j) {
        const int top = 114 + 11 * static_cast<int>(j);
        EXPECT_EQ(p.binary[j].rect, (PixelRect{4, top, 159, top + 12})) << "line " << j;
    }
}

enum class Mode { Integer, Float };

struct LinesCase {
    std::string name;
    Mode mode;
    std::uint32_t radix;
    std::string entry;
    std::string decimal;
    std::string hexadecimal;
    std::string octal;
    std::vector<std::string> binary;
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const LinesCase& c, std::ostream* os) {
    *os << c.name;
}

std::string caseName(const testing::TestParamInfo<LinesCase>& info) {
    return info.param.name;
}

void expectLines(const ReadoutPicture& p, const LinesCase& c) {
    EXPECT_EQ(p.decimal.text, c.decimal);
    EXPECT_EQ(p.hexadecimal.text, c.hexadecimal);
    EXPECT_EQ(p.octal.text, c.octal);
    EXPECT_EQ(binaryTexts(p), c.binary);
}

const std::string kFullLine = "1111 1111 1111 1111";

class ReadoutLinesTest : public testing::TestWithParam<LinesCase> {};

// Integer mode shows limbResult; floating-point mode the last formatted real.
TEST_P(ReadoutLinesTest, ShowsTheNumberInEveryBase) {
    const LinesCase& c = GetParam();
    CalculatorState s =
        c.mode == Mode::Float ? floatState(c.radix, c.entry) : integerState(c.radix, c.entry);
    expectLines(paintReadout(s), c);
}

INSTANTIATE_TEST_SUITE_P(
    Integer, ReadoutLinesTest,
    testing::Values(
        LinesCase{"Cleared", Mode::Integer, 10, "", "0", "0", "0", {"0000"}},
        LinesCase{"Byte", Mode::Integer, 10, "255", "255", "FF", "377", {"1111 1111"}},
        LinesCase{"TypedInHex", Mode::Integer, 16, "ff", "255", "FF", "377", {"1111 1111"}},
        LinesCase{"Fraction", Mode::Integer, 10, "12.5", "12.5", "C.5", "14.5", {"1100.0101"}},
        LinesCase{
            "FractionZero", Mode::Integer, 10, "0.05", "0.05", "0.05", "0.05", {"0000.0000 0101"}},
        LinesCase{"MinusOne", Mode::Integer, 10, "-1", "-1", "-1", "-1", {"-0001"}},
        LinesCase{
            "NegativeBinary", Mode::Integer, 2, "-101.1", "-5.1", "-5.1", "-5.1", {"-0101.0001"}},
        // Far wider than the panel: the line keeps the whole text, the front
        // end clips it.
        LinesCase{"Widest",
                  Mode::Integer,
                  16,
                  std::string(32, 'F'),
                  "340282366920938463463374607431768211455",
                  std::string(32, 'F'),
                  "3" + std::string(42, '7'),
                  {kFullLine, kFullLine, kFullLine, kFullLine, kFullLine, kFullLine,
                   "1111 1111 1111 111>"}}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Float, ReadoutLinesTest,
    testing::Values(
        LinesCase{"Cleared", Mode::Float, 10, "", "0", "0", "0", {"0000"}},
        LinesCase{"Fraction", Mode::Float, 10, "12.5", "12.5", "C.5", "14.5", {"1100.0101"}},
        LinesCase{
            "FractionZero", Mode::Float, 10, "0.05", "0.05", "0.05", "0.05", {"0000.0000 0101"}},
        LinesCase{
            "Negative", Mode::Float, 10, "-0.25", "-0.25", "-0.19", "-0.31", {"-0000.0001 1001"}},
        // The fraction's digits are converted as a whole number: .8 in hex
        // is 8, written 10 in octal and 1000 in binary.
        LinesCase{"TypedInHex", Mode::Float, 16, "C.8", "12.8", "C.8", "14.10", {"1100.1000"}},
        // The out-of-range message leaves no real texts: zeros, as after a
        // clear.
        LinesCase{"OutOfRange", Mode::Float, 10, "1234567890123456789.5", "0", "0", "0", {"0000"}}),
    caseName);

TEST(FloatReadout, BinaryBlockTakesTheZeroCountOfTheFormattedReal) {
    CalculatorState s;
    s.floatMode = 1;
    s.realIntText = "0";
    s.realFracText = ".05";
    s.savedFracZeros = 1;
    EXPECT_EQ(binaryTexts(paintReadout(s)), std::vector<std::string>{"0000.0000 0101"});
    s.savedFracZeros = 0;
    EXPECT_EQ(binaryTexts(paintReadout(s)), std::vector<std::string>{"0000.0101"});
    // More zeros than the fraction (0101) holds: it is only grouped.
    s.savedFracZeros = 5;
    EXPECT_EQ(binaryTexts(paintReadout(s)), std::vector<std::string>{"0000.0101"});
}

// Everything a paint borrows comes back; only the scratch texts change.
void expectUntouched(const CalculatorState& before, const CalculatorState& after) {
    EXPECT_EQ(after.radix, before.radix);
    EXPECT_EQ(after.previousRadix, before.radix);
    EXPECT_EQ(after.limbResult, before.limbResult);
    EXPECT_EQ(after.formatRadix, 0U);
    EXPECT_EQ(after.formatNoEntryCopy, 0U);
    EXPECT_EQ(after.readoutPainting, 0U);
    EXPECT_EQ(after.groupCount, 0U);
    EXPECT_EQ(after.realIntText, before.realIntText);
    EXPECT_EQ(after.realFracText, before.realFracText);
    EXPECT_EQ(after.realValue, before.realValue);
    EXPECT_EQ(after.savedFracZeros, before.savedFracZeros);
}

TEST(ReadoutPaint, LeavesTheNumberBaseAndRealTexts) {
    CalculatorState integer = integerState(16, "-A.0C");
    integer.previousRadix = 2;
    CalculatorState real = floatState(8, "-3.04");
    // The parse's zero count differs from the one the binary block borrows.
    real.savedFracZeros = 3;
    real.previousRadix = 16;
    for (CalculatorState* s : {&integer, &real}) {
        SCOPED_TRACE(s->floatMode == 1 ? "floating-point mode" : "integer mode");
        const CalculatorState before = *s;
        paintReadout(*s);
        expectUntouched(before, *s);
    }
}

TEST(ReadoutPaint, ScratchHoldsTheBinaryTextAndLastLine) {
    CalculatorState s = integerState(10, "-131071");
    const ReadoutPicture p = paintReadout(s);
    EXPECT_EQ(s.workText, "-00011111111111111111");
    ASSERT_EQ(p.binary.size(), 2U);
    EXPECT_EQ(s.entryText, p.binary.back().text);
}

TEST(ReadoutPaint, RepaintingDrawsTheSamePicture) {
    CalculatorState s = floatState(10, "-12.05");
    const ReadoutPicture first = paintReadout(s);
    EXPECT_EQ(paintReadout(s), first);
    CalculatorState t = integerState(8, "17.07");
    const ReadoutPicture once = paintReadout(t);
    EXPECT_EQ(paintReadout(t), once);
}

}  // namespace
}  // namespace korvo
