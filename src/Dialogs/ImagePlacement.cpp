#include "Dialogs/ImagePlacement.h"

#include <algorithm>
#include <cmath>

namespace vrx {

ImageRect placeImage(int pictureWidth, int pictureHeight, int desktopWidth, int desktopHeight, double ratio,
                     int position) {
    if (pictureWidth <= 0 || pictureHeight <= 0) return {};
    ImageRect r{0, 0, pictureWidth, pictureHeight};
    if (ratio != 0.0) {
        const double scale = std::min(ratio * desktopWidth / pictureWidth, ratio * desktopHeight / pictureHeight);
        r.width = static_cast<int>(std::lround(pictureWidth * scale));
        r.height = static_cast<int>(std::lround(pictureHeight * scale));
    }
    const int right = desktopWidth - r.width;
    const int bottom = desktopHeight - r.height;
    switch (position) {
        case kImageBottomLeft: r.top = bottom; break;
        case kImageTopRight: r.left = right; break;
        case kImageBottomRight:
            r.left = right;
            r.top = bottom;
            break;
        case kImageCentred:
            r.left = right / 2;
            r.top = bottom / 2;
            break;
        default: break;
    }
    return r;
}

}  // namespace vrx
