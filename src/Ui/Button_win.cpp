#include "Ui/Button_win.h"

#include <commctrl.h>

#include <string>

#include "Ui/Dpi_win.h"
#include "Ui/GdiObjects_win.h"
#include "Ui/Theme_win.h"

namespace vrx::ui {
namespace {

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void frame(HDC dc, const RECT& rect, COLORREF colour) {
    FrameRect(dc, &rect, solidBrush(colour).get());
}

// Classic (untheme'd) drawing for check boxes, radio buttons and group
// boxes: the themed ones ignore the text colour WM_CTLCOLORSTATIC gives.
void useClassicLook(HWND window, bool dark) {
    if (dark)
        setSystemControlTheme(window, L"", L"");
    else
        setSystemControlTheme(window, nullptr, nullptr);
}

}  // namespace

bool Button::create(HWND parent, std::string_view caption, bool defaultButton, int id) {
    default_ = defaultButton;
    return createWindow(parent, L"BUTTON", caption,
                        WS_TABSTOP | (defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, id);
}

void Button::click() {
    if (onClick) onClick();
}

bool Button::onReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        result = 0;
        click();
        return true;
    }
    if (message == WM_DRAWITEM) {
        draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    return false;
}

void Button::applyTheme(bool dark) {
    // Neither Windows nor Wine colour a push button from WM_CTLCOLORBTN, so
    // in the dark style the button is owner drawn (see draw).
    const DWORD type = dark ? BS_OWNERDRAW : (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    send(BM_SETSTYLE, type, TRUE);
}

void Button::draw(const DRAWITEMSTRUCT& item) const {
    const Palette& palette = glowPalette();
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool disabled = item.itemState & ODS_DISABLED;
    const bool focus = item.itemState & ODS_FOCUS;
    FillRect(dc, &rect, Theme::windowBrush());
    FillRect(dc, &rect, solidBrush(pressed ? palette.controlHot : palette.control).get());
    frame(dc, rect, focus || default_ ? palette.focus : palette.border);
    HFONT font = reinterpret_cast<HFONT>(send(WM_GETFONT));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, disabled ? palette.disabledText : palette.text);
    std::wstring caption = windowText(item.hwndItem);
    if (pressed) OffsetRect(&rect, 1, 1);
    DrawTextW(dc, caption.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (oldFont) SelectObject(dc, oldFont);
    if (focus && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT inner = item.rcItem;
        InflateRect(&inner, -3, -3);
        SetTextColor(dc, palette.text);
        DrawFocusRect(dc, &inner);
    }
}

void CheckMarkButton::setChecked(bool checked) { send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }

bool CheckMarkButton::checked() const { return send(BM_GETCHECK) == BST_CHECKED; }

void CheckMarkButton::applyTheme(bool dark) { useClassicLook(hwnd(), dark); }

bool CheckMarkButton::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!Theme::dark() || IsWindowEnabled(hwnd())) return false;
    switch (message) {
        case WM_PAINT:
            paintDisabled();
            result = 0;
            return true;
        // The control draws itself straight away on these, outside WM_PAINT:
        // it does so hidden, and then repaints the usual way.
        case WM_ENABLE:
        case WM_SETTEXT:
        case BM_SETCHECK:
        case BM_SETSTATE:
        case WM_UPDATEUISTATE: {
            const bool shown = GetWindowLongW(hwnd(), GWL_STYLE) & WS_VISIBLE;
            if (shown) send(WM_SETREDRAW, FALSE);
            result = callDefault(message, wParam, lParam);
            if (shown) send(WM_SETREDRAW, TRUE);
            InvalidateRect(hwnd(), nullptr, FALSE);
            return true;
        }
        default: return false;
    }
}

// As the classic control lays itself out: a box of 13 pixels at 96 DPI,
// centred on the left, and the caption half a digit's width after it.
void CheckMarkButton::paintDisabled() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    RECT client;
    GetClientRect(hwnd(), &client);
    auto* background = reinterpret_cast<HBRUSH>(SendMessageW(
        GetParent(hwnd()), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd())));
    FillRect(dc, &client, background ? background : Theme::windowBrush());

    const int size = Dpi(systemDpiOf(hwnd())).scale(12) + 1;
    const int top = (client.top + client.bottom - size) / 2;
    RECT box{client.left, top, client.left + size, top + size};
    DrawFrameControl(dc, &box, DFC_BUTTON, boxKind_ | DFCS_INACTIVE | (checked() ? DFCS_CHECKED : 0));

    HFONT font = reinterpret_cast<HFONT>(send(WM_GETFONT));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    INT digitWidth = 0;
    GetCharWidth32W(dc, L'0', L'0', &digitWidth);
    RECT text{box.right + digitWidth / 2, client.top, client.right, client.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, glowPalette().disabledText);
    const std::wstring caption = windowText(hwnd());
    DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_HIDEPREFIX);
    if (oldFont) SelectObject(dc, oldFont);
    EndPaint(hwnd(), &paint);
}

bool CheckBox::create(HWND parent, std::string_view caption, int id) {
    return createWindow(parent, L"BUTTON", caption, WS_TABSTOP | BS_AUTOCHECKBOX, 0, id);
}

bool CheckBox::onReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        result = 0;
        if (onChange) onChange(checked());
        return true;
    }
    return false;
}

bool RadioButton::create(HWND parent, std::string_view caption, bool firstOfGroup, int id) {
    return createWindow(parent, L"BUTTON", caption,
                        BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP | WS_TABSTOP : 0), 0, id);
}

bool RadioButton::onReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        result = 0;
        if (checked() && onClick) onClick();
        return true;
    }
    return false;
}

bool GroupBox::create(HWND parent, std::string_view caption) {
    return createWindow(parent, L"BUTTON", caption, BS_GROUPBOX);
}

void GroupBox::applyTheme(bool dark) { useClassicLook(hwnd(), dark); }

bool GroupBox::onMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (!Theme::dark() || message != WM_PAINT) return false;
    // The classic frame is an etched line in the system's light colours;
    // in the dark style the frame and caption are drawn here, leaving the
    // inside (the sibling controls' area) alone.
    const Palette& palette = glowPalette();
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    RECT client;
    GetClientRect(hwnd(), &client);
    HFONT font = reinterpret_cast<HFONT>(send(WM_GETFONT));
    HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT box = client;
    box.top += metrics.tmHeight / 2;
    frame(dc, box, palette.border);
    const std::wstring caption = windowText(hwnd());
    if (!caption.empty()) {
        RECT text{client.left + 8, client.top, client.right - 8, client.top + metrics.tmHeight};
        DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_CALCRECT);
        InflateRect(&text, 2, 0);
        FillRect(dc, &text, Theme::windowBrush());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, palette.text);
        DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_CENTER);
    }
    if (oldFont) SelectObject(dc, oldFont);
    EndPaint(hwnd(), &paint);
    result = 0;
    return true;
}

}  // namespace vrx::ui
