#include "readout/binarylines.h"

namespace korvo {

std::vector<PictureLine> binaryLinesToDraw(const ReadoutPicture& picture) {
    std::vector<PictureLine> lines = picture.binary;
    if (lines.empty() || !lines.front().text.starts_with('-')) {
        return lines;
    }
    PictureLine& first = lines.front();
    first.text.erase(0, 1);
    const int labelRow = picture.labels.back().y;
    const int height = first.rect.bottom - first.rect.top;
    // Half the line's width: the sign never reaches the label to its right.
    const PixelRect signRect{first.rect.left, labelRow,
                             first.rect.left + (first.rect.right - first.rect.left) / 2,
                             labelRow + height};
    lines.push_back(PictureLine{signRect, "-"});
    return lines;
}

}  // namespace korvo
