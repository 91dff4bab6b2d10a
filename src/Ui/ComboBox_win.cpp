#include "Ui/ComboBox_win.h"

#include "Ui/TextItems_win.h"
#include "Ui/Theme_win.h"

namespace vrx::ui {

bool ComboBox::create(HWND parent, int visibleItems, int id) {
    return create(parent, visibleItems, id, CBS_DROPDOWNLIST);
}

bool ComboBox::createEditable(HWND parent, int visibleItems, int id) {
    return create(parent, visibleItems, id, CBS_DROPDOWN | CBS_AUTOHSCROLL);
}

bool ComboBox::create(HWND parent, int visibleItems, int id, DWORD kind) {
    visibleItems_ = visibleItems > 0 ? visibleItems : 1;
    return createWindow(parent, L"COMBOBOX", {}, WS_TABSTOP | WS_VSCROLL | kind, 0, id);
}

void ComboBox::setBounds(int x, int y, int width, int height) {
    // A combo box's window height includes its drop-down list; the height
    // given here is that of the closed box.
    Control::setBounds(x, y, width, height);
    if (!hwnd()) return;
    const int itemHeight = static_cast<int>(send(CB_GETITEMHEIGHT, 0));
    Control::setBounds(x, y, width, height + visibleItems_ * (itemHeight > 0 ? itemHeight : height) + 2);
}

void ComboBox::setItems(const std::vector<std::string>& items) {
    clear();
    for (const std::string& item : items) addItem(item);
}

int ComboBox::addItem(std::string_view text) { return addTextItem(hwnd(), kComboBoxItems, text); }

void ComboBox::clear() { send(CB_RESETCONTENT); }

int ComboBox::count() const { return static_cast<int>(send(CB_GETCOUNT)); }

std::string ComboBox::itemText(int index) const { return textItem(hwnd(), kComboBoxItems, index); }

int ComboBox::selected() const { return static_cast<int>(send(CB_GETCURSEL)); }

void ComboBox::setSelected(int index) { send(CB_SETCURSEL, static_cast<WPARAM>(index)); }

bool ComboBox::onReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND) return false;
    if (HIWORD(wParam) == CBN_SELCHANGE && onChange) onChange(selected());
    if (HIWORD(wParam) == CBN_EDITCHANGE && onEditChange) onEditChange(text());
    result = 0;
    return true;
}

void ComboBox::applyTheme(bool dark) {
    // The system's dark combo box (Windows 10 1809 on); Wine's is painted
    // from WM_CTLCOLOR* alone.
    if (!runningUnderWine()) setSystemControlTheme(hwnd(), dark ? L"DarkMode_CFD" : nullptr, nullptr);
}

}  // namespace vrx::ui
