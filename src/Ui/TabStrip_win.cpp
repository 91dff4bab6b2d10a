#include "Ui/TabStrip_win.h"

#include <commctrl.h>

#include "Ui/GdiObjects_win.h"
#include "Ui/Theme_win.h"
#include "Utils/WideText_win.h"

namespace vrx::ui {

bool TabStrip::create(HWND parent, int id) {
    return createWindow(parent, WC_TABCONTROLW, {}, WS_TABSTOP | WS_CLIPSIBLINGS, 0, id);
}

bool TabStrip::createFlatButtons(HWND parent, int id) {
    return createWindow(parent, WC_TABCONTROLW, {},
                        WS_TABSTOP | WS_CLIPSIBLINGS | TCS_BUTTONS | TCS_FLATBUTTONS | TCS_FIXEDWIDTH, 0, id);
}

void TabStrip::fitTabWidth(int maxWidth) {
    auto itemRect = [this](int index) {
        RECT rect{};
        send(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        return rect;
    };
    const int tabs = count();
    if (tabs == 0) return;
    const RECT first = itemRect(0);
    const int height = first.bottom - first.top;
    send(TCM_SETITEMSIZE, 0, MAKELPARAM(maxWidth, height));
    if (tabs < 2) return;
    const int gap = itemRect(1).left - itemRect(0).right;
    RECT client{};
    GetClientRect(hwnd(), &client);
    // One gap more than between the buttons: the strip keeps a margin at
    // its end, or it shows its scroll arrows.
    const int fitting = (client.right - tabs * gap) / tabs;
    if (fitting < maxWidth) send(TCM_SETITEMSIZE, 0, MAKELPARAM(fitting, height));
}

void TabStrip::setTabs(const std::vector<std::string>& captions) {
    clear();
    for (const std::string& caption : captions) addTab(caption);
}

int TabStrip::addTab(std::string_view caption) {
    std::wstring text = toWide(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    return static_cast<int>(send(TCM_INSERTITEMW, static_cast<WPARAM>(count()), reinterpret_cast<LPARAM>(&item)));
}

void TabStrip::setTabText(int index, std::string_view caption) {
    std::wstring text = toWide(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    send(TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TabStrip::clear() { send(TCM_DELETEALLITEMS); }

int TabStrip::count() const { return static_cast<int>(send(TCM_GETITEMCOUNT)); }

int TabStrip::selected() const { return static_cast<int>(send(TCM_GETCURSEL)); }

void TabStrip::setSelected(int index) { send(TCM_SETCURSEL, static_cast<WPARAM>(index)); }

int TabStrip::tabAt(POINT client) const {
    TCHITTESTINFO hit{};
    hit.pt = client;
    return static_cast<int>(send(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

RECT TabStrip::pageRect() const {
    RECT rect = bounds();
    send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

bool TabStrip::onReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY) return false;
    switch (reinterpret_cast<NMHDR*>(lParam)->code) {
        case TCN_SELCHANGING:
            result = onChanging && !onChanging();  // TRUE keeps the current tab
            return true;
        case TCN_SELCHANGE:
            if (onChange) onChange(selected());
            result = 0;
            return true;
        case NM_RCLICK: {
            POINT client;
            const POINT screen = cursorPosition(client);
            if (onRightClick) onRightClick(tabAt(client), screen);
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

void TabStrip::applyTheme(bool dark) {
    dark_ = dark;
    invalidate();
}

bool TabStrip::onMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (!dark_) return false;
    switch (message) {
        case WM_ERASEBKGND:
            result = TRUE;
            return true;
        case WM_PAINT:
        case WM_PRINTCLIENT: {
            PAINTSTRUCT paint{};
            HDC dc = message == WM_PAINT ? BeginPaint(hwnd(), &paint) : reinterpret_cast<HDC>(wParam);
            paintDark(dc);
            if (message == WM_PAINT) EndPaint(hwnd(), &paint);
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

// The system's tab strip has no dark look, on Windows nor under Wine, so in
// the dark style it is painted here whole: background, page frame, tabs.
void TabStrip::paintDark(HDC dc) {
    const Palette& palette = glowPalette();
    RECT client;
    GetClientRect(hwnd(), &client);
    const PaintBuffer buffer(dc, client);
    const HDC memory = buffer.dc();
    FillRect(memory, &client, Theme::windowBrush());

    RECT page = client;
    send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    InflateRect(&page, 2, 2);
    FrameRect(memory, &page, Theme::borderBrush());

    HFONT font = reinterpret_cast<HFONT>(send(WM_GETFONT));
    HGDIOBJ oldFont = font ? SelectObject(memory, font) : nullptr;
    SetBkMode(memory, TRANSPARENT);
    const int current = selected();
    const bool focus = focused();
    for (int index = 0, tabs = count(); index < tabs; ++index) {
        RECT tab{};
        send(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));
        const bool isCurrent = index == current;
        if (isCurrent) InflateRect(&tab, 2, 2);
        FillRect(memory, &tab, solidBrush(isCurrent ? palette.controlHot : palette.control).get());
        FrameRect(memory, &tab, isCurrent ? Theme::selectionBrush() : Theme::borderBrush());
        if (isCurrent) {
            RECT joint{tab.left + 1, tab.bottom - 1, tab.right - 1, tab.bottom + 1};
            FillRect(memory, &joint, solidBrush(palette.controlHot).get());
        }
        wchar_t text[256] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 256;
        send(TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        SetTextColor(memory, isCurrent ? palette.selectionText : palette.text);
        DrawTextW(memory, text, -1, &tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (isCurrent && focus) {
            RECT inner = tab;
            InflateRect(&inner, -3, -3);
            DrawFocusRect(memory, &inner);
        }
    }
    if (oldFont) SelectObject(memory, oldFont);
}

}  // namespace vrx::ui
