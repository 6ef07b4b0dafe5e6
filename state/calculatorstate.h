// Every piece of the calculator's data in one plain record. Whoever runs a
// calculator owns one; procedures take it by reference. Window handles stay
// with the front ends.
#pragma once

#include <cstdint>
#include <string>

#include "state/limbnumber.h"
#include "state/real80.h"

namespace korvo {

// The two-operand operation waiting for its second operand.
enum class PendingOperation : std::uint8_t { None, Add, Subtract, Multiply, Divide };

struct CalculatorState {
    // --- Modes -----------------------------------------------------------
    std::uint32_t radix = 10;         // 10, 16, 8 or 2
    std::uint32_t previousRadix = 0;  // base in force before the last base change
    std::uint32_t formatRadix = 0;    // non-zero: the base the limb formatter writes in
    std::uint32_t floatMode = 0;      // 1 while "Floating Point" is checked
    std::uint32_t arcMode = 0;        // 1 while "Arc" is checked
    std::uint32_t angleUnit = 1;      // 1 degrees, 2 radians

    // --- Entry and text buffers (grow as needed; limits are applied where
    // the calculator reads or copies a text, never by the buffer size) -------
    std::string entryText;
    std::string workText;
    std::string formatText;
    std::string intText;
    std::string fracText;
    std::string firstIntText;
    std::string firstFracText;
    std::string realIntText;
    std::string realFracText;

    // --- Integer numbers ----------------------------------------------------
    LimbNumber limbResult;    // the current number
    LimbNumber firstOperand;  // left operand of the pending operation
    LimbNumber memoryNumber;  // memory register, integer side
    LimbNumber spareNumber;   // scratch copy

    // Work slots of the limb primitives.
    Limbs8 limbA{};
    Limbs8 limbB{};
    Limbs4 productLimbs{};
    Limbs4 quotientLimbs{};
    Limbs4 radixPower{};

    // --- Reals ----------------------------------------------------------------
    Real80 realValue;   // the current real
    Real80 firstReal;   // first operand and running result of real arithmetic
    Real80 memoryReal;  // memory register, real side
    // The extended reals nearest to pi/180 and 180/pi (FLDPI / 180 and
    // 180 / FLDPI rounded to nearest), so textbook angles come out exact.
    Real80 degreesToRadians{0x8EFA351294E9C8AEULL, 0x3FF9};
    Real80 radiansToDegrees{0xE52EE0D31E0FBDC3ULL, 0x4004};
    X87 fpu;  // the control word in force

    // --- Operation state ---------------------------------------------------
    PendingOperation pendingOp = PendingOperation::None;
    std::uint32_t firstOperandSet = 0;
    std::uint32_t hypotenusePending = 0;
    std::uint32_t powerPending = 0;
    std::uint32_t memoryHeld = 0;
    std::uint32_t entryHasPoint = 0;
    std::uint32_t pendingKeyCommand = 0;
    std::uint32_t selectionStart = 0;
    std::uint32_t selectionEnd = 0;

    // --- Engine flags and counters ----------------------------------------
    std::uint32_t signSwitched = 0;
    std::uint32_t resultSign = 0;
    std::uint32_t firstSign = 0;
    std::uint32_t firstScale = 0;
    std::uint32_t secondScale = 0;
    std::uint32_t integerLimbsOnly = 0;
    std::uint32_t fracWidth = 0;
    std::uint32_t formattedPointPos = 0;
    std::uint32_t parseRadix = 0;
    std::uint32_t realTextNegative = 0;
    std::uint32_t skipFractionTrim = 0;
    std::uint32_t formatNoEntryCopy = 0;
    std::uint32_t savedFracZeros = 0;
    std::uint32_t readoutPainting = 0;

    // --- Readout colours (0x00BBGGRR) ---------------------------------------
    std::uint32_t labelColour = 0x00FF0000;  // blue
    std::uint32_t valueColour = 0x00000000;  // black
};

}  // namespace korvo
