#include "Ui/Edit_win.h"

#include <string>

#include "Ui/Theme_win.h"

namespace vrx::ui {

Edit::~Edit() = default;

bool Edit::create(HWND parent, std::string_view text, Options options) {
    options_ = options;
    DWORD style = WS_TABSTOP;
    style |= options.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL : ES_AUTOHSCROLL;
    if (options.digitsOnly) style |= ES_NUMBER;
    if (options.readOnly) style |= ES_READONLY;
    if (!createWindow(parent, L"EDIT", text, style, WS_EX_CLIENTEDGE)) return false;
    if (options.maxLength > 0) send(EM_SETLIMITTEXT, static_cast<WPARAM>(options.maxLength));
    return true;
}

std::optional<int> Edit::number() const {
    const std::string digits = text();
    if (digits.empty() || digits.size() > 9) return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

void Edit::selectAll() { send(EM_SETSEL, 0, -1); }

void Edit::setBackgroundColor(std::optional<COLORREF> color) {
    background_ = color;
    backgroundBrush_ = color ? solidBrush(*color) : Brush();
    invalidate();
}

bool Edit::onReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_COMMAND) {
        if (HIWORD(wParam) == EN_CHANGE && onChange) onChange();
        result = 0;
        return true;
    }
    if ((message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) && background_) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, colorRefOf(readableTextOn(rgbOf(*background_))));
        SetBkColor(dc, *background_);
        result = reinterpret_cast<LRESULT>(backgroundBrush_.get());
        return true;
    }
    if (message == WM_CTLCOLORSTATIC && Theme::dark()) {
        // A read-only or disabled box asks as a static; it is still a field.
        return answerThemeColor(WM_CTLCOLOREDIT, reinterpret_cast<HDC>(wParam), result);
    }
    return false;
}

bool Edit::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_GETDLGCODE:
            // https://learn.microsoft.com/windows/win32/dlgbox/wm-getdlgcode
            // DLGC_WANTALLKEYS keeps Tab, Enter and Escape from the
            // dialog's navigation, so they arrive here as WM_KEYDOWN.
            if (options_.multiLine && !options_.wantAllKeys) {
                // A multi-line box wants every key, Tab included; only
                // Enter should stay with it, Tab and Escape belong to the
                // dialog.
                const auto* key = reinterpret_cast<const MSG*>(lParam);
                result = callDefault(message, wParam, lParam) & ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
                if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) result |= DLGC_WANTMESSAGE;
                return true;
            }
            if (!options_.wantAllKeys) return false;
            result = callDefault(message, wParam, lParam) | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
            return true;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (onKeyDown && onKeyDown(static_cast<int>(wParam))) {
                result = 0;
                return true;
            }
            return false;
        case WM_CHAR:
        case WM_SYSCHAR:
            if (onChar && onChar(static_cast<wchar_t>(wParam))) {
                result = 0;
                return true;
            }
            return false;
        case WM_KILLFOCUS:
            if (onExit) onExit();
            return false;
        default:
            return false;
    }
}

}  // namespace vrx::ui
