#pragma once

#include <windows.h>

namespace vrx::ui {

// Layout sizes are written at 96 DPI, the windows' design sizes, and
// scaled to the window's DPI when they are used.
constexpr int kDesignDpi = 96;

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

// A DPI value and the sizes at it: the one way a size written at 96 DPI
// reaches the screen, and back.
class Dpi {
public:
    constexpr explicit Dpi(int dpi = kDesignDpi) : dpi_(dpi) {}
    static Dpi of(HWND window) { return Dpi(dpiOf(window)); }
    int value() const { return dpi_; }
    // A size given at 96 DPI, at this DPI (rounded as MulDiv rounds).
    int scale(int designValue) const { return MulDiv(designValue, dpi_, kDesignDpi); }
    // A size at this DPI, as it reads at 96 DPI.
    int unscale(int value) const { return MulDiv(value, kDesignDpi, dpi_); }
    // How much larger than at 96 DPI everything is: 1.5 at 144.
    double factor() const { return dpi_ / static_cast<double>(kDesignDpi); }
    RECT rect(int x, int y, int width, int height) const;

    friend bool operator==(Dpi, Dpi) = default;

private:
    int dpi_;
};

}  // namespace vrx::ui
