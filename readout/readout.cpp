// The readout panel's picture: the current number in decimal, hexadecimal
// and octal, and the grouped binary block. In floating-point mode the lines
// come from the radix change of the last formatted real.
#include "readout/readout.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "readout/binaryblock.h"
#include "state/fixedtexts.h"

namespace korvo {

namespace {

// The background leaves the group box's frame (and its caption band at the
// top) alone.
constexpr int kBackgroundInsetLeft = 2;
constexpr int kBackgroundInsetTop = 10;
constexpr int kBackgroundInsetRight = 2;
constexpr int kBackgroundInsetBottom = 2;

constexpr int kLabelX = 64;
constexpr int kValueLeft = 4;
constexpr int kValueRight = kReadoutClientWidth - 2;
constexpr int kValueHeight = 12;
constexpr int kBinaryTop = 114;
constexpr int kBinaryLineStep = 11;

struct NumberLine {
    std::uint32_t radix;
    int top;
};
constexpr NumberLine kDecimalLine{10, 24};
constexpr NumberLine kHexadecimalLine{16, 54};
constexpr NumberLine kOctalLine{8, 84};
constexpr std::uint32_t kBinaryRadix = 2;

// The readout's inks (0x00BBGGRR): blue labels, black numbers.
constexpr std::uint32_t kLabelColour = 0x00FF0000;
constexpr std::uint32_t kValueColour = 0x00000000;

PixelRect valueRect(int top) {
    return PixelRect{kValueLeft, top, kValueRight, top + kValueHeight};
}

PictureLine numberLine(const RadixSource& source, const NumberLine& line) {
    // The whole text: a line too long for the panel is clipped where it is
    // drawn, never wrapped.
    return PictureLine{valueRect(line.top), source.writtenIn(line.radix).text};
}

std::vector<PictureLine> binaryBlock(const CurrentNumber& number, const RadixSource& source) {
    // The conversion of a real's texts knows nothing of the zeros after the
    // point; the count the real's formatting recorded does.
    const std::uint32_t fracZeros = number.floating ? number.realFracZeros : number.limbs.fracZeros;
    std::vector<std::string> texts =
        groupBinaryLines(padBinaryText(source.writtenIn(kBinaryRadix).text, fracZeros));
    std::vector<PictureLine> lines;
    lines.reserve(texts.size());
    for (std::size_t j = 0; j < texts.size(); ++j) {
        const int top = kBinaryTop + kBinaryLineStep * static_cast<int>(j);
        lines.push_back(PictureLine{valueRect(top), std::move(texts[j])});
    }
    return lines;
}

}  // namespace

ReadoutPicture paintReadout(const CurrentNumber& number) {
    ReadoutPicture picture;
    picture.background = PixelRect{kBackgroundInsetLeft, kBackgroundInsetTop,
                                   kReadoutClientWidth - kBackgroundInsetRight,
                                   kReadoutClientHeight - kBackgroundInsetBottom};
    picture.labelColour = kLabelColour;
    picture.valueColour = kValueColour;
    picture.labels = {PictureLabel{kLabelX, 10, std::string(text::kLabelDec)},
                      PictureLabel{kLabelX, 40, std::string(text::kLabelHex)},
                      PictureLabel{kLabelX, 70, std::string(text::kLabelOct)},
                      PictureLabel{kLabelX, 100, std::string(text::kLabelBin)}};
    picture.font = PictureFont{};
    const RadixSource source(number);
    picture.decimal = numberLine(source, kDecimalLine);
    picture.hexadecimal = numberLine(source, kHexadecimalLine);
    picture.octal = numberLine(source, kOctalLine);
    picture.binary = binaryBlock(number, source);
    return picture;
}

}  // namespace korvo
