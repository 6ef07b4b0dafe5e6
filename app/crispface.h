// Keypad faces that stay sharp at any device pixel ratio: each pixel of the
// face becomes a block of device pixels, never a blend of its neighbours,
// so a face at 2x is the 1x design with every pixel doubled.
#pragma once

#include <QIcon>

class QImage;

namespace korvo::app {

QIcon crispFace(const QImage& face);

}  // namespace korvo::app
