// The readout panel's picture: the current number in decimal, hexadecimal
// and octal, and the grouped binary block. In floating-point mode the lines
// come from the radix change run in paint mode on the last formatted real,
// so they show exactly what picking that base would put in the entry.
#include "readout/readout.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "intmath/numbertext.h"
#include "readout/binaryblock.h"
#include "readout/radixchange.h"
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

PixelRect valueRect(int top) {
    return PixelRect{kValueLeft, top, kValueRight, top + kValueHeight};
}

// The current number written in formatRadix into entryText.
void writeInFormatRadix(CalculatorState& s) {
    if (s.floatMode == 1) {
        changeRadix(s);
    } else {
        formatNumber(s);
    }
}

PictureLine numberLine(CalculatorState& s, const NumberLine& line) {
    s.formatRadix = line.radix;
    writeInFormatRadix(s);
    s.formatRadix = 0;
    // The whole text: a line too long for the panel is clipped where it is
    // drawn, never wrapped.
    return PictureLine{valueRect(line.top), s.entryText};
}

std::vector<PictureLine> binaryBlock(CalculatorState& s) {
    s.formatRadix = kBinaryRadix;
    writeInFormatRadix(s);
    if (s.floatMode == 1) {
        // The conversion's parse knows nothing of the zeros after the point;
        // the count the real's formatting recorded does.
        s.limbResult.fracZeros = s.savedFracZeros;
    }
    s.formatRadix = 0;

    s.workText = padBinaryText(s.entryText, s.limbResult.fracZeros);
    const std::vector<std::string> texts = groupBinaryLines(s.workText);
    std::vector<PictureLine> lines;
    lines.reserve(texts.size());
    for (std::size_t j = 0; j < texts.size(); ++j) {
        const int top = kBinaryTop + kBinaryLineStep * static_cast<int>(j);
        lines.push_back(PictureLine{valueRect(top), texts[j]});
        s.entryText = texts[j];
    }
    return lines;
}

}  // namespace

ReadoutPicture paintReadout(CalculatorState& s) {
    // The conversions below parse into limbResult; the current number waits
    // in spareNumber.
    s.spareNumber = s.limbResult;

    ReadoutPicture picture;
    picture.background = PixelRect{kBackgroundInsetLeft, kBackgroundInsetTop,
                                   kReadoutClientWidth - kBackgroundInsetRight,
                                   kReadoutClientHeight - kBackgroundInsetBottom};
    picture.labelColour = s.labelColour;
    picture.valueColour = s.valueColour;
    picture.labels = {PictureLabel{kLabelX, 10, std::string(text::kLabelDec)},
                      PictureLabel{kLabelX, 40, std::string(text::kLabelHex)},
                      PictureLabel{kLabelX, 70, std::string(text::kLabelOct)},
                      PictureLabel{kLabelX, 100, std::string(text::kLabelBin)}};
    picture.font = PictureFont{};

    // The radix change converts from previousRadix; during a paint that is
    // the base in force, and it only builds the text.
    s.previousRadix = s.radix;
    s.readoutPainting = 1;

    picture.decimal = numberLine(s, kDecimalLine);
    picture.hexadecimal = numberLine(s, kHexadecimalLine);
    picture.octal = numberLine(s, kOctalLine);
    picture.binary = binaryBlock(s);

    s.readoutPainting = 0;
    s.limbResult = s.spareNumber;
    s.radix = s.previousRadix;
    return picture;
}

}  // namespace korvo
