#pragma once

#include <windows.h>

#include <cstdint>

namespace vrx::ui {

// "Windows" is the system's own look; "Glow" is the dark palette the
// program paints itself.
enum class ThemeKind { Windows, Glow };

// The colours of the dark style and the GDI objects made from them once.
struct Palette {
    COLORREF window;         // dialog and window background
    COLORREF text;           // ordinary text
    COLORREF disabledText;
    COLORREF control;        // buttons, tabs, headers
    COLORREF controlHot;     // pressed button, selected tab
    COLORREF field;          // edit, list and combo box fields
    COLORREF border;
    COLORREF selection;      // selected list row
    COLORREF selectionText;
    COLORREF link;
    COLORREF focus;
};

const Palette& glowPalette();

// A colour the portable code writes as 0xRRGGBB, as GDI takes it.
inline COLORREF colorRefOf(uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

class Theme {
public:
    static ThemeKind current();
    static bool dark() { return current() == ThemeKind::Glow; }
    // Changes the theme for windows themed from now on; call applyTheme on
    // open windows to switch them.
    static void setCurrent(ThemeKind kind);

    // Brushes of the Glow palette, made once, owned by this module.
    static HBRUSH windowBrush();
    static HBRUSH controlBrush();
    static HBRUSH fieldBrush();
    static HBRUSH borderBrush();
    static HBRUSH selectionBrush();
};

// True when the program runs under Wine (ntdll exports wine_get_version),
// asked once.
bool runningUnderWine();

// Applies the current theme to a window and all its children: the title
// bar, the system's dark control themes where they work, and each control
// of this layer its own way (colours, owner drawing). Then redraws.
void applyTheme(HWND window);

// SetWindowTheme, resolved at run time (uxtheme is not linked).
void setSystemControlTheme(HWND window, const wchar_t* appName, const wchar_t* idList);

// The dark title bar of a top-level window, where the system has one.
void setDarkTitleBar(HWND window, bool dark);

// The WM_CTLCOLOR* answer for a child without a colour of its own: the
// palette's colours in the dark style; in the light one the face colour
// for texts and buttons, nothing (false) for fields.
bool answerThemeColor(UINT message, HDC dc, LRESULT& result);

}  // namespace vrx::ui
