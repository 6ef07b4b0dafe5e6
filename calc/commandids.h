// The command ids of the keypad keys and of the main window's commands, and
// the virtual-key codes the entry field maps to keypad commands.
#pragma once

#include <cstdint>

namespace korvo::cmd {

// Keypad: 200 + digit value for 0..F.
inline constexpr std::uint32_t kDigit0 = 200;
inline constexpr std::uint32_t kDigitF = 215;
inline constexpr std::uint32_t kPoint = 216;
inline constexpr std::uint32_t kSign = 217;
inline constexpr std::uint32_t kAdd = 218;
inline constexpr std::uint32_t kSubtract = 219;
inline constexpr std::uint32_t kMultiply = 220;
inline constexpr std::uint32_t kDivide = 221;
inline constexpr std::uint32_t kEquals = 222;
inline constexpr std::uint32_t kSquareRoot = 223;
inline constexpr std::uint32_t kPercent = 224;
inline constexpr std::uint32_t kSquare = 225;
inline constexpr std::uint32_t kMemoryClear = 226;
inline constexpr std::uint32_t kMemoryRecall = 227;
inline constexpr std::uint32_t kMemoryStore = 228;
inline constexpr std::uint32_t kMemoryAdd = 229;
inline constexpr std::uint32_t kMemorySubtract = 230;
inline constexpr std::uint32_t kHypotenuse = 231;
inline constexpr std::uint32_t kReciprocal = 232;
inline constexpr std::uint32_t kPower = 233;
inline constexpr std::uint32_t kPi = 234;
inline constexpr std::uint32_t kSin = 235;
inline constexpr std::uint32_t kCos = 236;
inline constexpr std::uint32_t kTan = 237;
inline constexpr std::uint32_t kCsc = 238;
inline constexpr std::uint32_t kSec = 239;
inline constexpr std::uint32_t kCot = 240;
inline constexpr std::uint32_t kLog = 241;
inline constexpr std::uint32_t kTwoToX = 242;
inline constexpr std::uint32_t kTenToX = 243;
inline constexpr std::uint32_t kEToX = 244;
inline constexpr std::uint32_t kPaste = 288;  // from the entry field only

// Main window commands.
inline constexpr std::uint32_t kBackSpace = 1;
inline constexpr std::uint32_t kClearEntry = 2;
inline constexpr std::uint32_t kClearAll = 3;
inline constexpr std::uint32_t kDegrees = 19;
inline constexpr std::uint32_t kRadians = 20;
inline constexpr std::uint32_t kDecimal = 21;
inline constexpr std::uint32_t kHexadecimal = 22;
inline constexpr std::uint32_t kOctal = 23;
inline constexpr std::uint32_t kBinary = 24;
inline constexpr std::uint32_t kFloatingPoint = 43;
inline constexpr std::uint32_t kArc = 50;
inline constexpr std::uint32_t kClose = 6003;
inline constexpr std::uint32_t kCut = 6004;
inline constexpr std::uint32_t kCopy = 6005;
inline constexpr std::uint32_t kPasteMenu = 6006;
inline constexpr std::uint32_t kInfo = 6026;
inline constexpr std::uint32_t kAbout = 6027;

}  // namespace korvo::cmd

namespace korvo::vk {

// Windows virtual-key codes, which name keys, not the characters they type;
// every front end translates its keys to these.
inline constexpr std::uint32_t kBack = 0x08;
inline constexpr std::uint32_t kTab = 0x09;
inline constexpr std::uint32_t kReturn = 0x0D;
inline constexpr std::uint32_t kShift = 0x10;
inline constexpr std::uint32_t kControl = 0x11;
inline constexpr std::uint32_t kEscape = 0x1B;
inline constexpr std::uint32_t kSpace = 0x20;
inline constexpr std::uint32_t kDelete = 0x2E;
inline constexpr std::uint32_t k0 = 0x30;
inline constexpr std::uint32_t k9 = 0x39;
inline constexpr std::uint32_t kA = 0x41;
inline constexpr std::uint32_t kF = 0x46;
inline constexpr std::uint32_t kNumpad0 = 0x60;
inline constexpr std::uint32_t kNumpad9 = 0x69;
inline constexpr std::uint32_t kMultiply = 0x6A;
inline constexpr std::uint32_t kAdd = 0x6B;
inline constexpr std::uint32_t kSubtract = 0x6D;
inline constexpr std::uint32_t kDecimal = 0x6E;
inline constexpr std::uint32_t kDivide = 0x6F;
inline constexpr std::uint32_t kF1 = 0x70;
inline constexpr std::uint32_t kF2 = 0x71;
inline constexpr std::uint32_t kF3 = 0x72;
inline constexpr std::uint32_t kF5 = 0x74;
inline constexpr std::uint32_t kF6 = 0x75;
inline constexpr std::uint32_t kF7 = 0x76;
inline constexpr std::uint32_t kF8 = 0x77;
inline constexpr std::uint32_t kF9 = 0x78;
inline constexpr std::uint32_t kOem1 = 0xBA;     // ";" on a US layout
inline constexpr std::uint32_t kOemPlus = 0xBB;  // "="
inline constexpr std::uint32_t kOemMinus = 0xBD;
inline constexpr std::uint32_t kOemPeriod = 0xBE;
inline constexpr std::uint32_t kOem2 = 0xBF;  // "/"

}  // namespace korvo::vk
