// The four-base readout of the current number.
#pragma once

#include "readout/readoutpicture.h"
#include "state/calculatorstate.h"

namespace korvo {

// Lays out the current number (limbResult in integer mode, the last
// formatted real's texts in floating-point mode) in decimal, hexadecimal,
// octal and the grouped binary block. Leaves limbResult, radix and the entry
// as they were; entryText, workText and formatText hold scratch afterwards.
ReadoutPicture paintReadout(CalculatorState& s);

}  // namespace korvo
