// What one paint of the readout panel shows: texts and where they stand,
// in the panel's client pixels. Front ends draw it; nothing here draws.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace korvo {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// A label drawn at a point in the default font and the label colour.
struct PictureLabel {
    int x = 0;
    int y = 0;
    std::string text;
    friend bool operator==(const PictureLabel&, const PictureLabel&) = default;
};

// A single line of the number font, left- and top-aligned in its rectangle
// and clipped to it (it never wraps).
struct PictureLine {
    PixelRect rect;
    std::string text;
    friend bool operator==(const PictureLine&, const PictureLine&) = default;
};

// The number font: Courier New, 14 pixels high, 8 wide, weight 500.
struct PictureFont {
    int height = 14;
    int width = 8;
    int weight = 500;
    std::string face = "Courier New";
    friend bool operator==(const PictureFont&, const PictureFont&) = default;
};

struct ReadoutPicture {
    PixelRect background;           // filled with the panel colour; text is opaque on it
    std::uint32_t labelColour = 0;  // 0x00BBGGRR
    std::uint32_t valueColour = 0;
    std::array<PictureLabel, 4> labels;  // Dec, Hex, Oct, Bin
    PictureFont font;
    PictureLine decimal;
    PictureLine hexadecimal;
    PictureLine octal;
    std::vector<PictureLine> binary;  // the grouped binary block, at most 7 lines
    friend bool operator==(const ReadoutPicture&, const ReadoutPicture&) = default;
};

// The panel's client area.
inline constexpr int kReadoutClientWidth = 161;
inline constexpr int kReadoutClientHeight = 196;

}  // namespace korvo
