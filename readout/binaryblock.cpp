#include "readout/binaryblock.h"

#include <algorithm>
#include <utility>

#include "state/fixedtexts.h"

namespace korvo {

namespace {

constexpr char kPointChar = '.';
constexpr char kMinusChar = '-';
constexpr char kCutMark = '>';

// Zeros still missing to fill the last group of a run of `length` digits.
std::size_t toWholeGroups(std::size_t length) {
    return (kGroupDigits - length % kGroupDigits) % kGroupDigits;
}

// Each leading zero of the fraction is one digit of the text, but it shows
// as a whole group, so it needs three more zeros; the digits after those
// zeros (the fraction value) are padded to whole groups on their own.
std::size_t fractionPadding(std::size_t length, std::uint32_t fracZeros) {
    if (fracZeros > length) {
        // The zero count belongs to another text than this one (a real
        // formatted after the last parse); the fraction is only grouped.
        return toWholeGroups(length);
    }
    return toWholeGroups(length - fracZeros) + (kGroupDigits - 1) * fracZeros;
}

void appendZeros(std::string& out, std::size_t count) {
    while (count > 0) {
        const std::size_t chunk = std::min(count, text::kZeros.size());
        out.append(text::kZeros.substr(0, chunk));
        count -= chunk;
    }
}

}  // namespace

std::string padBinaryText(std::string_view formatted, std::uint32_t fracZeros) {
    std::string padded;
    if (!formatted.empty() && formatted.front() == kMinusChar) {
        padded.push_back(kMinusChar);
        formatted.remove_prefix(1);
    }
    const std::size_t point = formatted.find(kPointChar);
    const std::string_view integerPart = formatted.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : formatted.substr(point + 1);

    appendZeros(padded, toWholeGroups(integerPart.size()));
    padded.append(integerPart);
    if (!fraction.empty()) {
        padded.push_back(kPointChar);
        appendZeros(padded, fractionPadding(fraction.size(), fracZeros));
        padded.append(fraction);
    }
    return padded;
}

std::vector<std::string> groupBinaryLines(std::string_view padded) {
    std::vector<std::string> lines;
    std::string line;
    // The sign stands in front of the first group; like every character of
    // the text it counts toward the block's limit.
    std::size_t limit = kBinaryBlockLimit;
    if (!padded.empty() && padded.front() == kMinusChar) {
        line.push_back(kMinusChar);
        padded.remove_prefix(1);
        --limit;
    }
    // A text cut at the limit says so: its last shown character becomes a
    // mark, so no digit goes missing unseen.
    const bool cut = padded.size() > limit;
    padded = padded.substr(0, limit);

    std::size_t groupsOnLine = 0;  // completed groups on the line
    std::size_t digitsInGroup = 0;
    for (const char c : padded) {
        if (c == kPointChar) {
            line.push_back(kPointChar);
            continue;
        }
        // A line is ended only when the next group begins, so a point after
        // the fourth group still joins the line it ends.
        if (digitsInGroup == 0 && groupsOnLine == kGroupsPerLine) {
            lines.push_back(std::move(line));
            line.clear();
            groupsOnLine = 0;
        } else if (digitsInGroup == 0 && groupsOnLine > 0 && line.back() != kPointChar) {
            line.push_back(' ');
        }
        line.push_back(c);
        if (++digitsInGroup == kGroupDigits) {
            digitsInGroup = 0;
            ++groupsOnLine;
        }
    }
    if (!line.empty()) {
        lines.push_back(std::move(line));
    }
    if (cut) {
        lines.back().back() = kCutMark;
    }
    return lines;
}

}  // namespace korvo
