#include "Ui/ListBox_win.h"

#include "Ui/Theme_win.h"
#include "Utils/WideText_win.h"

namespace vrx::ui {

bool ListBox::create(HWND parent, int id) {
    return createWindow(parent, L"LISTBOX", {}, WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                        WS_EX_CLIENTEDGE, id);
}

void ListBox::setItems(const std::vector<std::string>& items) {
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    clear();
    for (const std::string& item : items) addItem(item);
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

int ListBox::addItem(std::string_view text) {
    return static_cast<int>(send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(text).c_str())));
}

void ListBox::clear() { send(LB_RESETCONTENT); }

int ListBox::count() const { return static_cast<int>(send(LB_GETCOUNT)); }

std::string ListBox::itemText(int index) const {
    const LRESULT length = send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()))));
    return toUtf8(text);
}

int ListBox::selected() const { return static_cast<int>(send(LB_GETCURSEL)); }

void ListBox::setSelected(int index) { send(LB_SETCURSEL, static_cast<WPARAM>(index)); }

int ListBox::itemAt(POINT client) const {
    const LRESULT answer = send(LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    // HIWORD 1: the point is outside every item.
    if (HIWORD(answer)) return -1;
    return LOWORD(answer);
}

bool ListBox::onReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND) return false;
    if (HIWORD(wParam) == LBN_SELCHANGE && onChange) onChange(selected());
    if (HIWORD(wParam) == LBN_DBLCLK && onDoubleClick) onDoubleClick(selected());
    result = 0;
    return true;
}

bool ListBox::onMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_KEYDOWN && onKeyDown && onKeyDown(static_cast<int>(wParam))) {
        result = 0;
        return true;
    }
    return false;
}

void ListBox::applyTheme(bool dark) {
    if (!runningUnderWine()) setSystemControlTheme(hwnd(), dark ? L"DarkMode_Explorer" : nullptr, nullptr);
}

}  // namespace vrx::ui
