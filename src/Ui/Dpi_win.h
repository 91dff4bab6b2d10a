#pragma once

#include <windows.h>

namespace vrx::ui {

// Layout sizes are written at 96 DPI, the windows' design sizes, and
// scaled to the window's DPI when they are used.
constexpr int kDesignDpi = 96;

int scale(int value, int dpi);

// The DPI a window is shown at: the one forced for tests and screenshots if
// any, else GetDpiForWindow (Windows 10 1607 and later, resolved at run
// time), else the screen DC's LOGPIXELSY.
int dpiOf(HWND window);
// The DPI the system draws the window's own parts at, whatever is forced.
int systemDpiOf(HWND window);

// VANTORIX_FORCE_DPI (e.g. 144) read once, or the value of setForcedDpi;
// 0 when nothing is forced.
int forcedDpi();
void setForcedDpi(int dpi);

// A DPI value and the sizes at it.
class Dpi {
public:
    explicit Dpi(int dpi = kDesignDpi) : dpi_(dpi) {}
    static Dpi of(HWND window) { return Dpi(dpiOf(window)); }
    int value() const { return dpi_; }
    int operator()(int designValue) const { return scale(designValue, dpi_); }
    RECT rect(int x, int y, int width, int height) const;

private:
    int dpi_;
};

}  // namespace vrx::ui
