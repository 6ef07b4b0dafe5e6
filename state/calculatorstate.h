// Every piece of the calculator's data in one plain record. Whoever runs a
// calculator owns one; procedures take it by reference. Window handles stay
// with the front ends.
#pragma once

#include <cstdint>
#include <string>

#include "state/limbnumber.h"
#include "state/outcome.h"
#include "state/real80.h"

namespace korvo {

struct CalculatorState {
    // --- Modes -----------------------------------------------------------
    std::uint32_t radix = 10;     // 10, 16, 8 or 2
    std::uint32_t floatMode = 0;  // 1 while "Floating Point" is checked
    std::uint32_t arcMode = 0;    // 1 while "Arc" is checked
    std::uint32_t angleUnit = 1;  // 1 degrees, 2 radians

    // --- The entry --------------------------------------------------------
    std::string entryText;  // what the calculator last wrote to the field
    std::string workText;   // the field as the key being handled found it
    std::uint32_t selectionStart = 0;
    std::uint32_t selectionEnd = 0;
    std::uint32_t pendingKeyCommand = 0;

    // --- The numbers held ----------------------------------------------------
    LimbNumber limbResult;    // the current number
    LimbNumber firstOperand;  // left operand of the pending operation
    LimbNumber memoryNumber;  // memory register, integer side
    Real80 realValue;         // the current real
    Real80 firstReal;         // first operand and running result of real arithmetic
    Real80 memoryReal;        // memory register, real side
    // The current real as last written: integer part with its sign, and the
    // fraction with its point; the zeros after the point the current number
    // had then (the binary block pads by them).
    std::string realIntText;
    std::string realFracText;
    std::uint32_t savedFracZeros = 0;
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
};

}  // namespace korvo
