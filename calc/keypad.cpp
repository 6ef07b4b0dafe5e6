#include "calc/keypad.h"

#include "calc/commandids.h"

namespace korvo {

namespace {

using namespace korvo::cmd;

constexpr KeypadKey key(int row, int column, std::uint32_t id, std::string_view name) {
    return KeypadKey{row, column, id, name};
}

constexpr std::array<KeypadKey, kKeyCount> kKeys{{
    key(0, 0, kSin, "Sine"),
    key(0, 1, kCot, "Cotangent"),
    key(0, 2, kMemoryClear, "Memory clear"),
    key(0, 3, kDigit0 + 7, "Digit 7"),
    key(0, 4, kDigit0 + 8, "Digit 8"),
    key(0, 5, kDigit0 + 9, "Digit 9"),
    key(0, 6, kAdd, "Add"),
    key(0, 7, kSquareRoot, "Square root"),
    key(0, 8, kHypotenuse, "Hypotenuse"),

    key(1, 0, kCos, "Cosine"),
    key(1, 1, kLog, "Common logarithm"),
    key(1, 2, kMemoryRecall, "Memory recall"),
    key(1, 3, kDigit0 + 4, "Digit 4"),
    key(1, 4, kDigit0 + 5, "Digit 5"),
    key(1, 5, kDigit0 + 6, "Digit 6"),
    key(1, 6, kSubtract, "Subtract"),
    key(1, 7, kPercent, "Percent"),
    key(1, 8, kReciprocal, "Reciprocal"),

    key(2, 0, kTan, "Tangent"),
    key(2, 1, kTwoToX, "Two to the power x"),
    key(2, 2, kMemoryStore, "Memory store"),
    key(2, 3, kDigit0 + 1, "Digit 1"),
    key(2, 4, kDigit0 + 2, "Digit 2"),
    key(2, 5, kDigit0 + 3, "Digit 3"),
    key(2, 6, kMultiply, "Multiply"),
    key(2, 7, kSquare, "Square"),
    key(2, 8, kPower, "Power"),

    key(3, 0, kCsc, "Cosecant"),
    key(3, 1, kTenToX, "Ten to the power x"),
    key(3, 2, kMemoryAdd, "Memory add"),
    key(3, 3, kDigit0, "Digit 0"),
    key(3, 4, kPoint, "Decimal point"),
    key(3, 5, kEquals, "Equals"),
    key(3, 6, kDivide, "Divide"),
    key(3, 7, kSign, "Change sign"),
    key(3, 8, kPi, "Pi"),

    key(4, 0, kSec, "Secant"),
    key(4, 1, kEToX, "e to the power x"),
    key(4, 2, kMemorySubtract, "Memory subtract"),
    key(4, 3, kDigit0 + 10, "Hex digit A"),
    key(4, 4, kDigit0 + 11, "Hex digit B"),
    key(4, 5, kDigit0 + 12, "Hex digit C"),
    key(4, 6, kDigit0 + 13, "Hex digit D"),
    key(4, 7, kDigit0 + 14, "Hex digit E"),
    key(4, 8, kDigitF, "Hex digit F"),
}};

constexpr std::array<std::string_view, kKeypadRows> kBitmaps{
    ":/keypad/keypad301.bmp", ":/keypad/keypad302.bmp", ":/keypad/keypad303.bmp",
    ":/keypad/keypad304.bmp", ":/keypad/keypad305.bmp"};

}  // namespace

const std::array<KeypadKey, kKeyCount>& keypadKeys() {
    return kKeys;
}

std::string_view keypadBitmap(int row) {
    return kBitmaps.at(static_cast<std::size_t>(row));
}

}  // namespace korvo
