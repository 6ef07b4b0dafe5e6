// The calculator's fixed texts: never written, shared by every layer.
#pragma once

#include <string_view>

namespace korvo::text {

// Writing this into an indicator box makes it look empty.
inline constexpr std::string_view kBlank = "                                                  ";
static_assert(kBlank.size() == 50);

// Source of the zeros that pad formatted numbers and the binary readout.
inline constexpr std::string_view kZeros =
    "0000000000000000000000000000000000000000000000000000000000000000";
static_assert(kZeros.size() == 64);

inline constexpr std::string_view kPi = "3.141592653589793238";

inline constexpr std::string_view kPoint = ".";
inline constexpr std::string_view kZero = "0";
inline constexpr std::string_view kOne = "1";
inline constexpr std::string_view kMemoryMark = "M";
inline constexpr std::string_view kMinus = "-";
inline constexpr std::string_view kPlusMark = "+";
inline constexpr std::string_view kMinusMark = "-";
inline constexpr std::string_view kTimesMark = "x";
inline constexpr std::string_view kDivideMark = "/";
inline constexpr std::string_view kEqualsMark = "=";

// Shown in the entry when a real result is too long; 32 visible characters
// and 12 blanks.
inline constexpr std::string_view kOutOfRange = "** The output is out of range **            ";
static_assert(kOutOfRange.size() == 44);

// Whether an entry text is the out-of-range message rather than a number: no
// number text starts with its "*".
inline bool showsOutOfRange(std::string_view entry) {
    return entry.starts_with(kOutOfRange.front());
}

inline constexpr std::string_view kCaption = "KORVO CALCULATOR";
inline constexpr std::string_view kPasteMessage =
    "Your Paste Selection Is Out Of\r\nRange For The Base Setting!";

inline constexpr std::string_view kLabelDec = "Dec";
inline constexpr std::string_view kLabelHex = "Hex";
inline constexpr std::string_view kLabelOct = "Oct";
inline constexpr std::string_view kLabelBin = "Bin";

}  // namespace korvo::text
