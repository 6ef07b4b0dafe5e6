// Keypad faces that stay sharp at any device pixel ratio: each pixel of the
// face becomes a block of device pixels, never a blend of its neighbours,
// so a face at 2x is the 1x design with every pixel doubled.
#pragma once

#include <QIcon>

class QRect;

namespace korvo::app {

// The face at `part` of a compiled-in BMP. The bitmap is read when a face of
// it is first drawn, after the window is on screen, and then kept for the
// faces it holds.
QIcon crispFace(const char* bitmap, const QRect& part);

}  // namespace korvo::app
