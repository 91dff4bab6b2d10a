#include "Main/WindowGeometry.h"

#include <cmath>

#include "AppInfo/GlobalSettings.h"

namespace vrx {
namespace {

// A top edge this close to the bottom leaves no title bar to grab.
constexpr int kGrabbableTitle = 32;

}  // namespace

int scaleUp(int value, double scale) { return static_cast<int>(std::lround(value * scale)); }

int scaleDown(int value, double scale) {
    return scale > 0.0 ? static_cast<int>(std::lround(value / scale)) : value;
}

WindowGeometry restoredGeometry(const GlobalSettings& settings, double scale, ScreenSize screen) {
    WindowGeometry g;
    const int top = scaleUp(settings.windowPositionTop, scale);
    if (top >= 0 && top < screen.height - kGrabbableTitle) g.top = top;
    const int left = scaleUp(settings.windowPositionLeft, scale);
    if (left >= 0 && left < screen.width) g.left = left;
    g.width = scaleUp(settings.windowWidth, scale);
    g.height = scaleUp(settings.windowHeight, scale);
    g.splitter = scaleUp(settings.splitterPosition, scale);
    g.columns = {scaleUp(settings.listColumnWidthButton, scale), scaleUp(settings.listColumnWidthKeyboard, scale),
                 scaleUp(settings.listColumnWidthAuto, scale), scaleUp(settings.listColumnWidthComment, scale)};
    g.profileListFontSize = settings.fontSizeProfileList;
    g.buttonListFontSize = settings.fontSizeButtonList;
    return g;
}

void storeGeometry(GlobalSettings& settings, const WindowGeometry& window, double scale) {
    if (window.top) settings.windowPositionTop = scaleDown(*window.top, scale);
    if (window.left) settings.windowPositionLeft = scaleDown(*window.left, scale);
    settings.windowWidth = scaleDown(window.width, scale);
    settings.windowHeight = scaleDown(window.height, scale);
    settings.splitterPosition = scaleDown(window.splitter, scale);
    settings.listColumnWidthButton = scaleDown(window.columns[0], scale);
    settings.listColumnWidthKeyboard = scaleDown(window.columns[1], scale);
    settings.listColumnWidthAuto = scaleDown(window.columns[2], scale);
    settings.listColumnWidthComment = scaleDown(window.columns[3], scale);
}

}  // namespace vrx
