// Number text <-> LimbNumber: an optional leading "-", digits of the radix
// ("A".."F" upper case on output, either case on input), at most one ".".
#pragma once

#include "state/calculatorstate.h"

namespace korvo {

// Reads workText (destroying it) in `radix` into limbResult; sets
// entryHasPoint and parseRadix. Reads the whole text. Every fraction
// digit is read: a radix change writes as many as the value needs in the
// new base, and they must all survive the next parse.
void parseNumber(CalculatorState& s);

// Writes limbResult in formatRadix (when non-zero) or radix into formatText;
// in the parse radix also intText/fracText; entryText unless
// formatNoEntryCopy is 8.
void formatNumber(CalculatorState& s);

}  // namespace korvo
