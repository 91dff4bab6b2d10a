#pragma once

#include <array>
#include <optional>

namespace vrx {

struct GlobalSettings;

// The main window's sizes as Vantorix.ini keeps them: 96-DPI values, so a
// saved window keeps its look on a screen of another scale.

// The list columns "ボタン", "機能", "連射", "コメント".
using ColumnWidths = std::array<int, 4>;

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The window in the screen's pixels.
struct WindowGeometry {
    // Nothing keeps the position the system chooses.
    std::optional<int> left;
    std::optional<int> top;
    int width = 0;
    int height = 0;
    int splitter = 0;  // the left panel's width
    ColumnWidths columns{};
    // Font sizes of the profile list and the button list; 0 keeps the
    // window's font.
    int profileListFontSize = 0;
    int buttonListFontSize = 0;
};

// A 96-DPI value on a screen of scale (1.0 at 96 DPI, 1.5 at 144), rounded.
int scaleUp(int value, double scale);
// A screen value back to 96 DPI, rounded.
int scaleDown(int value, double scale);

// At creation: the saved geometry scaled to the screen. A saved position
// that would put the window's top edge off the screen or too low to grab
// (less than 32 pixels from the bottom), or its left edge off the screen,
// is dropped.
WindowGeometry restoredGeometry(const GlobalSettings& settings, double scale, ScreenSize screen);

// At destruction: the window's position, size, left panel and columns into
// the settings, at 96 DPI. The font sizes are the user's and stay as set.
void storeGeometry(GlobalSettings& settings, const WindowGeometry& window, double scale);

// Where PMResetWindowPositionClick puts a window lost off the screens, at
// 96 DPI.
inline constexpr int kResetLeft = 0;
inline constexpr int kResetTop = 0;
inline constexpr int kResetWidth = 800;
inline constexpr int kResetHeight = 700;

}  // namespace vrx
