#pragma once

namespace vrx {

struct ImageRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const ImageRect&, const ImageRect&) = default;
};

// Where the profile image appears (ProfileImagePosition).
enum ImagePosition : int {
    kImageTopLeft = 0,
    kImageBottomLeft = 1,
    kImageTopRight = 2,
    kImageBottomRight = 3,
    kImageCentred = 4,
};

// The client area of the profile image window on a desktop of
// desktopWidth x desktopHeight. ratio (ProfileImageFullScreenRatio) 0 keeps
// the picture's size; otherwise the picture is scaled to ratio of the
// desktop, keeping its proportions, so the tighter side decides. An unknown
// position is taken as the top left corner; a picture without size gives
// an empty rectangle.
ImageRect placeImage(int pictureWidth, int pictureHeight, int desktopWidth, int desktopHeight, double ratio,
                     int position);

}  // namespace vrx
