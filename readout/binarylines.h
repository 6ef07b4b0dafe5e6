// The binary block as a window draws it.
#pragma once

#include <vector>

#include "readout/readoutpicture.h"

namespace korvo {

// The lines to draw for the picture's binary block, each clipped to its
// rectangle. A sign before the first group would push a line of four groups
// past the panel's edge, so a negative number's sign is a line of its own on
// the "Bin" label's row, above the first group: every group keeps its column.
std::vector<PictureLine> binaryLinesToDraw(const ReadoutPicture& picture);

}  // namespace korvo
