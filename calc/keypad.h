// The 45 keys of the keypad: where each stands, the command it sends and what
// it is called for tooltips and screen readers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace korvo {

struct KeypadKey {
    int row = 0;     // 0..4, top to bottom
    int column = 0;  // 0..8, left to right; also the face's index in the row's bitmap
    std::uint32_t commandId = 0;
    std::string_view name;  // accessible name and tooltip
};

inline constexpr int kKeypadRows = 5;
inline constexpr int kKeysPerRow = 9;
inline constexpr std::size_t kKeyCount = 45;

// Row by row, left to right.
const std::array<KeypadKey, kKeyCount>& keypadKeys();

// The size of a key's face: a row's bitmap holds its nine faces side by side.
inline constexpr int kKeyFaceWidth = 16;
inline constexpr int kKeyFaceHeight = 15;

// The resource path of a row's bitmap.
std::string_view keypadBitmap(int row);

}  // namespace korvo
