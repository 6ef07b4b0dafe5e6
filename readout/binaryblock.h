// The grouped binary block of the readout: the binary text padded to whole
// groups of four digits, then laid out four groups to a line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvo {

// Characters of the padded binary text that are shown: the point counts, a
// leading "-" does not (a negative number shows the same digits as its
// magnitude, with the sign in front of the first line).
inline constexpr std::size_t kBinaryBlockLimit = 112;
inline constexpr std::size_t kGroupDigits = 4;
inline constexpr std::size_t kGroupsPerLine = 4;
inline constexpr std::size_t kMostBinaryLines = kBinaryBlockLimit / (kGroupDigits * kGroupsPerLine);

// `formatted` (sign, digits, point, fraction digits, as the formatter writes
// it) with the integer part padded on the left to whole groups and the
// fraction padded so that each of its `fracZeros` leading zeros stands as a
// group "0000" of its own and the digits after them fill whole groups. When
// `fracZeros` is more than the fraction holds, the fraction is only padded
// to whole groups. A leading "-" stays first, outside the padding.
std::string padBinaryText(std::string_view formatted, std::uint32_t fracZeros);

// The lines of the block for a padded binary text: its first
// kBinaryBlockLimit characters after any sign, in groups of four with one
// space between the groups of a line; a point stands in place of the space
// after its group and, after the fourth group, ends the line. A group cut
// short by the limit shows what there is, and a cut text ends in ">".
std::vector<std::string> groupBinaryLines(std::string_view padded);

}  // namespace korvo
