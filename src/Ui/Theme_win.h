#pragma once

#include <windows.h>

#include <cstdint>

#include "Ui/PaletteRules.h"

namespace vrx::ui {

// "Windows" is the system's own look; "Glow" is the dark palette the
// program paints itself.
enum class ThemeKind { Windows, Glow };

// Every colour a window shows, by the role it plays. The controls of this
// layer paint the dark style from it; a view asks it for the colours of
// its own drawing and never picks one itself.
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
    // A key box, and the one that takes the next key press (the wizard's
    // box too): white and yellow in both styles, as the user knows them.
    COLORREF keyBox;
    COLORREF keyBoxFocused;
    // The device dialog's live axis markers and their scale.
    COLORREF marker;
    // A picture of the screen (the absolute mouse area): its paper, frame
    // and range line, and the warning red of its centre.
    COLORREF picture;
    COLORREF pictureFrame;
    COLORREF pictureLine;
    COLORREF warning;
};

// The dark style's palette.
const Palette& glowPalette();
// The palette of the style in force: the dark one, or the light one made
// from the system's colours as they are now.
Palette palette();
// The assignment dialog's command list rows, from the palette's field and
// text and the system's scroll-bar and highlight colours.
CommandListColors commandListRows(const Palette& palette);

// A colour the portable code writes as 0xRRGGBB, as GDI takes it, and back.
inline COLORREF colorRefOf(Rgb rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }
inline Rgb rgbOf(COLORREF colour) {
    return (static_cast<Rgb>(GetRValue(colour)) << 16) | (static_cast<Rgb>(GetGValue(colour)) << 8) | GetBValue(colour);
}

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
