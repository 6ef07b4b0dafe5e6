// The four-base readout of the current number.
#pragma once

#include "readout/radixchange.h"
#include "readout/readoutpicture.h"

namespace korvo {

// Lays out `number` in decimal, hexadecimal, octal and the grouped binary
// block. In floating-point mode the lines are the radix change of the
// real's texts, so they show exactly what picking that base would put in
// the entry.
ReadoutPicture paintReadout(const CurrentNumber& number);

}  // namespace korvo
