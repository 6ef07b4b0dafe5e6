// The binary block on its own: padding and grouping of texts the readout's
// numbers seldom give (korvocalc-cli's cases check the readout's four lines).
#include "readout/binaryblock.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace korvo {
namespace {

// "formatted zero-count -> lines".
TEST(BinaryBlock, PadsAndGroups) {
    for (const char* text : {"0.001 2 -> 0000.0000 0000 0001", "-0 0 -> -0000",
                             // More zeros than the fraction holds only group it.
                             "0.101 4 -> 0000.0101", "0.1 19 -> 0000.0001", "0.0 1 -> 0000.0000",
                             "0.0101 0 -> 0000.0101"}) {
        std::istringstream row(text);
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
        EXPECT_EQ(lines, expected) << text;
    }
}

TEST(BinaryBlock, SevenLinesAtMostAndTheSignCounts) {
    const std::string ones(108, '1');
    EXPECT_EQ(groupBinaryLines(padBinaryText(ones + ones, 0)).back(), "1111 1111 1111 111>");
    EXPECT_EQ(groupBinaryLines(ones + ".0101").back(), "1111 1111 1111.01>");
    EXPECT_EQ(groupBinaryLines("-" + ones + "1111").back(), "1111 1111 1111 11>");
    EXPECT_TRUE(groupBinaryLines("").empty());
}

}  // namespace
}  // namespace korvo
