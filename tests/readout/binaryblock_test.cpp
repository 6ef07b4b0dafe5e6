// The binary block: padding to whole groups and the layout in lines.
#include "readout/binaryblock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace korvo {
namespace {

std::string ones(std::size_t n) {
    return std::string(n, '1');
}

const std::string kFullLine = "1111 1111 1111 1111";

struct BlockCase {
    std::string name;
    std::string formatted;
    std::uint32_t fracZeros;
    std::string padded;
    std::vector<std::string> lines;
    std::uint32_t lastLineGroups;
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const BlockCase& c, std::ostream* os) {
    *os << c.name;
}

class BinaryBlockTest : public testing::TestWithParam<BlockCase> {};

TEST_P(BinaryBlockTest, PadsAndGroups) {
    const BlockCase& c = GetParam();
    const std::string padded = padBinaryText(c.formatted, c.fracZeros);
    EXPECT_EQ(padded, c.padded);
    std::uint32_t groupCount = 99;
    EXPECT_EQ(groupBinaryLines(padded, groupCount), c.lines);
    EXPECT_EQ(groupCount, c.lastLineGroups);
    EXPECT_LE(c.lines.size(), kMostBinaryLines);
}

std::string caseName(const testing::TestParamInfo<BlockCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Layout, BinaryBlockTest,
    testing::Values(
        BlockCase{"WholeGroup", "1010", 0, "1010", {"1010"}, 1},
        BlockCase{"PaddedInteger", "101", 0, "0101", {"0101"}, 1},
        BlockCase{"Zero", "0", 0, "0000", {"0000"}, 1},
        BlockCase{"BothPartsPadded", "1.1", 0, "0001.0001", {"0001.0001"}, 2},
        BlockCase{"FractionPadded", "1100.101", 0, "1100.0101", {"1100.0101"}, 2},
        BlockCase{"FractionZeroAsGroup", "0.0101", 1, "0000.00000101", {"0000.0000 0101"}, 3},
        BlockCase{"TwoFractionZeros", "0.001", 2, "0000.000000000001", {"0000.0000 0000 0001"}, 4},
        BlockCase{
            "SeventeenOnes", ones(17), 0, "000" + ones(17), {"0001 1111 1111 1111", "1111"}, 1},
        BlockCase{
            "PointEndsLine", ones(16) + ".01", 0, ones(16) + ".0001", {kFullLine + ".", "0001"}, 1},
        // A cut text ends in a mark.
        BlockCase{"SevenLinesAtMost",
                  ones(128),
                  0,
                  ones(128),
                  {kFullLine, kFullLine, kFullLine, kFullLine, kFullLine, kFullLine,
                   "1111 1111 1111 111>"},
                  4},
        BlockCase{"GroupCutShortByLimit",
                  ones(108) + ".11",
                  0,
                  ones(108) + ".0011",
                  {kFullLine, kFullLine, kFullLine, kFullLine, kFullLine, kFullLine,
                   "1111 1111 1111.00>"},
                  3}),
    caseName);

// A negative number keeps its digits in groups; the sign stands in front of
// the first group and, as one character of the text, counts toward the limit.
INSTANTIATE_TEST_SUITE_P(
    Sign, BinaryBlockTest,
    testing::Values(
        BlockCase{"MinusOne", "-1", 0, "-0001", {"-0001"}, 1},
        BlockCase{"MinusZero", "-0", 0, "-0000", {"-0000"}, 1},
        BlockCase{"NegativeFraction", "-101.1", 0, "-0101.0001", {"-0101.0001"}, 2},
        BlockCase{"NegativeFractionZero", "-0.11001", 0, "-0000.00011001", {"-0000.0001 1001"}, 3},
        BlockCase{"SignCountsTowardTheLimit",
                  "-" + ones(128),
                  0,
                  "-" + ones(128),
                  {"-" + kFullLine, kFullLine, kFullLine, kFullLine, kFullLine, kFullLine,
                   "1111 1111 1111 11>"},
                  3}),
    caseName);

// A zero count larger than the fraction (a real formatted after the last
// parse) only groups the fraction; a count equal to it still makes groups.
INSTANTIATE_TEST_SUITE_P(
    ZeroCount, BinaryBlockTest,
    testing::Values(BlockCase{"CountAboveLength", "0.101", 4, "0000.0101", {"0000.0101"}, 2},
                    BlockCase{"CountFarAboveLength", "0.1", 19, "0000.0001", {"0000.0001"}, 2},
                    BlockCase{"CountEqualsLength", "0.0", 1, "0000.0000", {"0000.0000"}, 2},
                    BlockCase{"CountBelowActualZeros", "0.0101", 0, "0000.0101", {"0000.0101"}, 2}),
    caseName);

TEST(BinaryBlockLines, EmptyTextDrawsNothing) {
    std::uint32_t groupCount = 7;
    EXPECT_TRUE(groupBinaryLines("", groupCount).empty());
    EXPECT_EQ(groupCount, 0U);
}

TEST(BinaryBlockLines, PointAtTheLimitIsShownAndCounts) {
    // 108 digits, the point as the 109th character and three fraction digits
    // reach exactly the limit; a fourth fraction digit is cut, and the mark
    // takes the last place.
    std::uint32_t groupCount = 0;
    const std::vector<std::string> lines = groupBinaryLines(ones(108) + ".0101", groupCount);
    ASSERT_EQ(lines.size(), kMostBinaryLines);
    EXPECT_EQ(lines.back(), "1111 1111 1111.01>");
}

}  // namespace
}  // namespace korvo
