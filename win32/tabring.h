// Tab and Shift+Tab move a focus mark through the window in reading order:
// Floating Point, the entry, Arc, Back Space, CE, C, the angle and base
// switches, the 45 keys row by row, then the readout's lines (Ctrl+C copies
// the marked one). Space or Enter presses the marked
// button or key at its release. Any other key goes to the calculator as
// ever, and a click never marks anything.
#pragma once

#include <windows.h>

namespace korvo::win32 {

struct Shell;

// The message loop's look at every message before anything else: true when
// the message was a Tab, Space or Enter of the ring and is done with.
bool tabRingMessage(Shell& sh, const MSG& message);

}  // namespace korvo::win32
