// The readout as text: "mode radix typed -> dec | hex | oct | binary lines",
// and the binary block on its own.
#include "readout/readout.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "floatmath/realtext.h"
#include "intmath/numbertext.h"
#include "readout/binaryblock.h"

namespace korvo {
namespace {

// The current number as typed: in floating-point mode the real is also
// read and formatted, as every key does.
CalculatorState typed(const std::string& mode, std::uint32_t radix, std::string text) {
    CalculatorState s;
    s.radix = radix;
    s.floatMode = mode == "float" ? 1 : 0;
    text = text == "''" ? "" : text;
    s.workText = text;
    parseNumber(s);
    if (s.floatMode == 1) {
        s.workText = text;
        parseReal(s);
        formatReal(s, s.realValue);
    }
    return s;
}

std::string joined(const ReadoutPicture& p) {
    std::string out = p.decimal.text + " | " + p.hexadecimal.text + " | " + p.octal.text;
    for (const PictureLine& line : p.binary) {
        out += " | " + line.text;
    }
    return out;
}

class Readout : public ::testing::TestWithParam<const char*> {};

TEST_P(Readout, ShowsEveryBaseAndLeavesTheNumber) {
    std::istringstream row(GetParam());
    std::string mode;
    std::string text;
    std::string arrow;
    std::string expected;
    std::uint32_t radix = 0;
    row >> mode >> radix >> text >> arrow;
    std::getline(row >> std::ws, expected);
    CalculatorState s = typed(mode, radix, text);
    const CalculatorState before = s;
    EXPECT_EQ(joined(paintReadout(s)), expected);
    EXPECT_EQ(s.radix, before.radix);
    EXPECT_EQ(s.limbResult, before.limbResult);
    EXPECT_EQ(s.realIntText + s.realFracText, before.realIntText + before.realFracText);
    EXPECT_EQ(joined(paintReadout(s)), expected) << "painted again";
}

const std::string kSevenLines = [] {
    std::string lines = "1111 1111 1111 1111";
    for (int i = 0; i < 5; ++i) {
        lines += " | 1111 1111 1111 1111";
    }
    return lines + " | 1111 1111 1111 111>";  // a cut text ends in a mark
}();

INSTANTIATE_TEST_SUITE_P(
    Lines, Readout,
    ::testing::Values("int 10 '' -> 0 | 0 | 0 | 0000", "int 16 ff -> 255 | FF | 377 | 1111 1111",
                      "int 10 12.5 -> 12.5 | C.5 | 14.5 | 1100.0101",
                      "int 10 0.05 -> 0.05 | 0.05 | 0.05 | 0000.0000 0101",
                      "int 10 -1 -> -1 | -1 | -1 | -0001",
                      "int 2 -101.1 -> -5.1 | -5.1 | -5.1 | -0101.0001",
                      "int 10 -131071 -> -131071 | -1FFFF | -377777 | -0001 1111 1111 1111 | 1111",
                      "float 10 '' -> 0 | 0 | 0 | 0000",
                      "float 10 12.5 -> 12.5 | C.5 | 14.5 | 1100.0101",
                      "float 10 0.05 -> 0.05 | 0.05 | 0.05 | 0000.0000 0101",
                      "float 10 -0.25 -> -0.25 | -0.19 | -0.31 | -0000.0001 1001",
                      // The fraction's digits convert as a whole number: .8 in hex is 8.
                      "float 16 C.8 -> 12.8 | C.8 | 14.10 | 1100.1000",
                      "float 8 -3.04 -> -3.04 | -3.04 | -3.04 | -0011.0000 0100",
                      "float 10 1234567890123456789.5 -> 1234567890123456790 | 112210F47DE98116 | "
                      "104420417217572300426 | 0001 0001 0010 0010 | 0001 0000 1111 0100 | 0111 "
                      "1101 1110 1001 | 1000 0001 0001 0110"));

TEST(Readout, WidestNumberKeepsItsWholeTextInSevenBinaryLines) {
    CalculatorState s = typed("int", 16, std::string(32, 'F'));
    EXPECT_EQ(joined(paintReadout(s)), "340282366920938463463374607431768211455 | " +
                                           std::string(32, 'F') + " | 3" + std::string(42, '7') +
                                           " | " + kSevenLines);
}

class BinaryBlock : public ::testing::TestWithParam<const char*> {};

// "formatted zero-count -> lines".
TEST_P(BinaryBlock, PadsAndGroups) {
    std::istringstream row(GetParam());
    std::string formatted;
    std::string arrow;
    std::string expected;
    std::uint32_t zeros = 0;
    row >> formatted >> zeros >> arrow;
    std::getline(row >> std::ws, expected);
    std::string lines;
    for (const std::string& line : groupBinaryLines(padBinaryText(formatted, zeros))) {
        lines += (lines.empty() ? "" : " | ") + line;
    }
    EXPECT_EQ(lines, expected);
}

INSTANTIATE_TEST_SUITE_P(Layout, BinaryBlock,
                         ::testing::Values("101 0 -> 0101", "1.1 0 -> 0001.0001",
                                           "0.0101 1 -> 0000.0000 0101",
                                           "0.001 2 -> 0000.0000 0000 0001",
                                           "11111111111111111 0 -> 0001 1111 1111 1111 | 1111",
                                           "1111111111111111.01 0 -> 1111 1111 1111 1111. | 0001",
                                           "-0 0 -> -0000", "-0.11001 0 -> -0000.0001 1001",
                                           // More zeros than the fraction holds only group it.
                                           "0.101 4 -> 0000.0101", "0.1 19 -> 0000.0001",
                                           "0.0 1 -> 0000.0000", "0.0101 0 -> 0000.0101"));

TEST(BinaryBlock, SevenLinesAtMostAndTheSignCounts) {
    const std::string ones(108, '1');
    EXPECT_EQ(groupBinaryLines(padBinaryText(ones + ones, 0)).back(), "1111 1111 1111 111>");
    EXPECT_EQ(groupBinaryLines(ones + ".0101").back(), "1111 1111 1111.01>");
    EXPECT_EQ(groupBinaryLines("-" + ones + "1111").back(), "1111 1111 1111 11>");
    EXPECT_TRUE(groupBinaryLines("").empty());
}

}  // namespace
}  // namespace korvo
