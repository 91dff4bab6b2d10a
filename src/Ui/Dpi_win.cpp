#include "Ui/Dpi_win.h"

#include <atomic>
#include <cstdlib>

namespace vrx::ui {
namespace {

std::atomic<int> forced{-1};  // -1: not read from the environment yet

int readForcedDpi() {
    const char* value = std::getenv("VANTORIX_FORCE_DPI");
    if (!value) return 0;
    const int dpi = std::atoi(value);
    return dpi >= 48 && dpi <= 960 ? dpi : 0;
}

}  // namespace

int forcedDpi() {
    int dpi = forced.load();
    if (dpi < 0) {
        dpi = readForcedDpi();
        forced.store(dpi);
    }
    return dpi;
}

void setForcedDpi(int dpi) { forced.store(dpi > 0 ? dpi : 0); }

int dpiOf(HWND window) {
    if (const int dpi = forcedDpi()) return dpi;
    return systemDpiOf(window);
}

int systemDpiOf(HWND window) {
    // GetDpiForWindow exists from Windows 10 1607 on; the program still
    // starts on older builds, which get the screen's DPI.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow && window) {
        if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
    }
    HDC dc = GetDC(window);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : kDesignDpi;
    if (dc) ReleaseDC(window, dc);
    return dpi > 0 ? dpi : kDesignDpi;
}

RECT Dpi::rect(int x, int y, int width, int height) const {
    const int left = scale(x), top = scale(y);
    return RECT{left, top, left + scale(width), top + scale(height)};
}

}  // namespace vrx::ui
