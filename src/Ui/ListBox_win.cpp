#include "Ui/ListBox_win.h"

#include "Ui/TextItems_win.h"
#include "Ui/Theme_win.h"

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

int ListBox::addItem(std::string_view text) { return addTextItem(hwnd(), kListBoxItems, text); }

void ListBox::clear() { send(LB_RESETCONTENT); }

int ListBox::count() const { return static_cast<int>(send(LB_GETCOUNT)); }

std::string ListBox::itemText(int index) const { return textItem(hwnd(), kListBoxItems, index); }

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
