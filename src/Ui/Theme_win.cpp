#include "Ui/Theme_win.h"

#include <atomic>

#include "Ui/Control_win.h"

namespace vrx::ui {
namespace {

std::atomic<ThemeKind> currentTheme{ThemeKind::Windows};

const Palette kGlow{
    .window = RGB(30, 32, 38),
    .text = RGB(226, 230, 238),
    .disabledText = RGB(124, 128, 138),
    .control = RGB(48, 52, 62),
    .controlHot = RGB(66, 72, 86),
    .field = RGB(20, 22, 27),
    .border = RGB(84, 92, 108),
    .selection = RGB(0, 112, 160),
    .selectionText = RGB(255, 255, 255),
    .link = RGB(110, 190, 255),
    .focus = RGB(64, 200, 255),
    .keyBox = RGB(255, 255, 255),
    .keyBoxFocused = RGB(255, 255, 0),
    .marker = RGB(226, 230, 238),
    .picture = RGB(255, 255, 255),
    .pictureFrame = RGB(128, 128, 128),
    .pictureLine = RGB(0, 0, 0),
    .warning = RGB(255, 0, 0),
};

Palette lightPalette() {
    Palette light = kGlow;
    light.window = GetSysColor(COLOR_BTNFACE);
    light.text = GetSysColor(COLOR_WINDOWTEXT);
    light.disabledText = GetSysColor(COLOR_GRAYTEXT);
    light.control = GetSysColor(COLOR_BTNFACE);
    light.controlHot = GetSysColor(COLOR_BTNHIGHLIGHT);
    light.field = GetSysColor(COLOR_WINDOW);
    light.border = GetSysColor(COLOR_BTNSHADOW);
    light.selection = GetSysColor(COLOR_HIGHLIGHT);
    light.selectionText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    light.link = RGB(0, 0, 255);
    light.focus = GetSysColor(COLOR_HIGHLIGHT);
    light.marker = RGB(0, 0, 0);
    return light;
}

HBRUSH paletteBrush(COLORREF Palette::*colour) {
    return CreateSolidBrush(kGlow.*colour);
}

template <typename Function>
Function resolve(const wchar_t* module, const char* name) {
    HMODULE library = GetModuleHandleW(module);
    if (!library) library = LoadLibraryExW(module, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!library) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

using SetWindowThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);

// uxtheme and dwmapi are loaded when first needed, so the program (and the
// core library's other users) need not link them.
SetWindowThemeFunction setWindowThemeFunction() {
    static const auto function = resolve<SetWindowThemeFunction>(L"uxtheme.dll", "SetWindowTheme");
    return function;
}

// The undocumented entry points behind the system's dark controls and
// menus (uxtheme ordinals 133 AllowDarkModeForWindow and 135
// SetPreferredAppMode). Used only when both resolve, and never under Wine,
// which has other functions at those ordinals.
struct DarkModeEntries {
    using AllowDarkModeForWindow = BOOL(WINAPI*)(HWND, BOOL);
    using SetPreferredAppMode = int(WINAPI*)(int);
    AllowDarkModeForWindow allowForWindow = nullptr;
    SetPreferredAppMode setAppMode = nullptr;

    static const DarkModeEntries& get() {
        static const DarkModeEntries entries = [] {
            DarkModeEntries found;
            if (runningUnderWine()) return found;
            HMODULE uxtheme = LoadLibraryExW(L"uxtheme.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
            if (!uxtheme) return found;
            auto allow = reinterpret_cast<AllowDarkModeForWindow>(
                reinterpret_cast<void*>(GetProcAddress(uxtheme, MAKEINTRESOURCEA(133))));
            auto mode = reinterpret_cast<SetPreferredAppMode>(
                reinterpret_cast<void*>(GetProcAddress(uxtheme, MAKEINTRESOURCEA(135))));
            if (allow && mode) {
                found.allowForWindow = allow;
                found.setAppMode = mode;
            }
            return found;
        }();
        return entries;
    }
    bool available() const { return allowForWindow && setAppMode; }
};

void themeOneWindow(HWND window, bool dark) {
    const DarkModeEntries& entries = DarkModeEntries::get();
    if (entries.available()) entries.allowForWindow(window, dark);
    if (Control* control = Control::fromWindow(window)) control->applyTheme(dark);
}

}  // namespace

const Palette& glowPalette() { return kGlow; }

Palette palette() { return Theme::dark() ? kGlow : lightPalette(); }

CommandListColors commandListRows(const Palette& palette) {
    return commandListColors(rgbOf(palette.field), rgbOf(palette.text), rgbOf(GetSysColor(COLOR_SCROLLBAR)),
                             rgbOf(GetSysColor(COLOR_HIGHLIGHT)));
}

ThemeKind Theme::current() { return currentTheme.load(); }

void Theme::setCurrent(ThemeKind kind) {
    currentTheme.store(kind);
    const DarkModeEntries& entries = DarkModeEntries::get();
    // 1: allow dark (the system's menus and scroll bars follow the
    // windows that allow it), 0: default.
    if (entries.available()) entries.setAppMode(kind == ThemeKind::Glow ? 1 : 0);
}

HBRUSH Theme::windowBrush() {
    static const HBRUSH brush = paletteBrush(&Palette::window);
    return brush;
}
HBRUSH Theme::controlBrush() {
    static const HBRUSH brush = paletteBrush(&Palette::control);
    return brush;
}
HBRUSH Theme::fieldBrush() {
    static const HBRUSH brush = paletteBrush(&Palette::field);
    return brush;
}
HBRUSH Theme::borderBrush() {
    static const HBRUSH brush = paletteBrush(&Palette::border);
    return brush;
}
HBRUSH Theme::selectionBrush() {
    static const HBRUSH brush = paletteBrush(&Palette::selection);
    return brush;
}

bool runningUnderWine() {
    static const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
}

void setSystemControlTheme(HWND window, const wchar_t* appName, const wchar_t* idList) {
    if (const auto setWindowTheme = setWindowThemeFunction()) setWindowTheme(window, appName, idList);
}

void setDarkTitleBar(HWND window, bool dark) {
    // https://learn.microsoft.com/windows/win32/api/dwmapi/ne-dwmapi-dwmwindowattribute
    // DWMWA_USE_IMMERSIVE_DARK_MODE is 20 from Windows 10 20H1 on, 19 before.
    using DwmSetWindowAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    static const auto setAttribute =
        resolve<DwmSetWindowAttributeFunction>(L"dwmapi.dll", "DwmSetWindowAttribute");
    if (!setAttribute) return;
    const BOOL value = dark;
    if (FAILED(setAttribute(window, 20, &value, sizeof value))) setAttribute(window, 19, &value, sizeof value);
}

void applyTheme(HWND window) {
    const bool dark = Theme::dark();
    if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) setDarkTitleBar(window, dark);
    themeOneWindow(window, dark);
    EnumChildWindows(
        window,
        [](HWND child, LPARAM dark) -> BOOL {
            themeOneWindow(child, dark != 0);
            return TRUE;
        },
        dark);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool answerThemeColor(UINT message, HDC dc, LRESULT& result) {
    const bool field = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
    if (!Theme::dark()) {
        // Fields keep the system's white; texts, check boxes and group
        // boxes take the face colour, as in a system dialog (DefWindowProc
        // would give the window colour, white).
        if (field || message == WM_CTLCOLORSCROLLBAR) return false;
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    SetTextColor(dc, kGlow.text);
    SetBkColor(dc, field ? kGlow.field : kGlow.window);
    result = reinterpret_cast<LRESULT>(field ? Theme::fieldBrush() : Theme::windowBrush());
    return true;
}

}  // namespace vrx::ui
