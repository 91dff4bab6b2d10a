#include "Main/WindowGeometry.h"

#include <gtest/gtest.h>

#include "AppInfo/GlobalSettings.h"

namespace vrx {
namespace {

TEST(WindowGeometry, SavedPositionIsKeptOnlyWhereTheWindowCanBeGrabbed) {
    struct Case {
        int top, left;
        double scale;
        std::optional<int> expectedTop, expectedLeft;
    };
    const ScreenSize screen{1920, 1080};
    const Case cases[] = {
        {100, 200, 1.0, 100, 200},
        {-1, -1, 1.0, std::nullopt, std::nullopt},  // never saved
        {1047, 1919, 1.0, 1047, 1919},
        {1048, 1920, 1.0, std::nullopt, std::nullopt},  // 32 pixels above the bottom, off the right edge
        {700, 1000, 1.5, std::nullopt, 1500},  // 1050 once scaled: too low
        {0, 0, 1.5, 0, 0},
    };
    for (const Case& c : cases) {
        GlobalSettings settings;
        settings.windowPositionTop = c.top;
        settings.windowPositionLeft = c.left;
        const WindowGeometry g = restoredGeometry(settings, c.scale, screen);
        EXPECT_EQ(g.top, c.expectedTop) << c.top << " at " << c.scale;
        EXPECT_EQ(g.left, c.expectedLeft) << c.left << " at " << c.scale;
    }
}

TEST(WindowGeometry, SizesAreScaledUpAtStartAndBackDownAtExit) {
    GlobalSettings settings;
    settings.windowWidth = 716;
    settings.splitterPosition = 253;
    settings.listColumnWidthAuto = 42;
    settings.fontSizeButtonList = 12;
    const WindowGeometry g = restoredGeometry(settings, 1.25, {2560, 1440});
    EXPECT_EQ(g.width, 895);
    EXPECT_EQ(g.splitter, 316);  // 316.25
    EXPECT_EQ(g.columns, (ColumnWidths{94, 180, 53, 175}));
    EXPECT_EQ(g.buttonListFontSize, 12);
    EXPECT_EQ(g.profileListFontSize, 0);

    GlobalSettings saved;
    storeGeometry(saved, g, 1.25);
    EXPECT_EQ(saved.windowWidth, 716);
    EXPECT_EQ(saved.splitterPosition, 253);
    EXPECT_EQ(saved.listColumnWidthAuto, 42);
    EXPECT_EQ(saved.windowPositionTop, -1);  // a position the system chose is not stored

    WindowGeometry placed = g;
    placed.top = 150;
    placed.left = 75;
    storeGeometry(saved, placed, 1.5);
    EXPECT_EQ((std::pair{saved.windowPositionTop, saved.windowPositionLeft}), (std::pair{100, 50}));
}

TEST(WindowGeometry, ScalingRoundsToTheNearestPixel) {
    EXPECT_EQ(scaleUp(75, 1.5), 113);  // 112.5
    EXPECT_EQ(scaleUp(-1, 1.0), -1);
    EXPECT_EQ(scaleDown(113, 1.5), 75);
    EXPECT_EQ(scaleDown(100, 0.0), 100);
}

}  // namespace
}  // namespace vrx
