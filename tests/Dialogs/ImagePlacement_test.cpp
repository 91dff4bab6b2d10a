#include "Dialogs/ImagePlacement.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

TEST(ImagePlacement, SizeFollowsTheFullScreenRatio) {
    struct Case {
        int width, height;
        double ratio;
        int expectedWidth, expectedHeight;
    };
    const Case cases[] = {
        {400, 300, 0.5, 720, 540},    // the height limits
        {1000, 200, 0.5, 960, 192},   // the width limits
        {400, 300, 0.0, 400, 300},    // the picture's own size
        {3000, 3000, 1.0, 1080, 1080},
    };
    for (const Case& c : cases) {
        const ImageRect r = placeImage(c.width, c.height, 1920, 1080, c.ratio, kImageTopLeft);
        EXPECT_EQ((std::pair{r.width, r.height}), (std::pair{c.expectedWidth, c.expectedHeight}))
            << c.width << "x" << c.height << " at " << c.ratio;
    }
}

TEST(ImagePlacement, PositionsPutTheImageInItsCornerOrCentre) {
    struct Case {
        int position;
        ImageRect expected;
    };
    const Case cases[] = {
        {kImageTopLeft, {0, 0, 401, 301}},     {kImageBottomLeft, {0, 779, 401, 301}},
        {kImageTopRight, {1519, 0, 401, 301}}, {kImageBottomRight, {1519, 779, 401, 301}},
        {kImageCentred, {759, 389, 401, 301}}, {7, {0, 0, 401, 301}},
    };
    for (const Case& c : cases) EXPECT_EQ(placeImage(401, 301, 1920, 1080, 0.0, c.position), c.expected) << c.position;
    EXPECT_EQ(placeImage(0, 300, 1920, 1080, 0.5, kImageCentred), ImageRect{});
}

}  // namespace
}  // namespace vrx
