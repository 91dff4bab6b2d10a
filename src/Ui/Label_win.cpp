#include "Ui/Label_win.h"

#include "Ui/Theme_win.h"

namespace vrx::ui {

bool Label::create(HWND parent, std::string_view text, Options options) {
    options_ = options;
    DWORD style = options.align == TextAlign::Centre  ? SS_CENTER
                  : options.align == TextAlign::Right ? SS_RIGHT
                  : options.wordWrap                  ? SS_LEFT
                                                      : SS_LEFTNOWORDWRAP;
    // An address may hold '&', which is no access key.
    if (options.link) style |= SS_NOTIFY | SS_NOPREFIX;
    return createWindow(parent, L"STATIC", text, style);
}

void Label::setFont(const UiFont& normal, const UiFont& bold) {
    if (options_.link) {
        linkFont_ = normal.variant(options_.bold, true);
        send(WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.handle()), TRUE);
        return;
    }
    send(WM_SETFONT, reinterpret_cast<WPARAM>((options_.bold ? bold : normal).handle()), TRUE);
}

bool Label::onReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        if (onClick) onClick();
        result = 0;
        return true;
    }
    if (message != WM_CTLCOLORSTATIC) return false;
    const bool dark = Theme::dark();
    if (!options_.link && !dark) return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    const Palette colours = palette();
    SetTextColor(dc, options_.link ? colours.link : colours.text);
    SetBkColor(dc, colours.window);
    result = reinterpret_cast<LRESULT>(dark ? Theme::windowBrush() : GetSysColorBrush(COLOR_BTNFACE));
    return true;
}

bool Label::onMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message == WM_SETCURSOR && options_.link) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        result = TRUE;
        return true;
    }
    return false;
}

}  // namespace vrx::ui
