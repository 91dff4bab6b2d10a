#include "Ui/Menu_win.h"

#include "Utils/WideText_win.h"

namespace vrx::ui {
namespace {

void append(HMENU menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        std::wstring caption = toWide(entry.caption);
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE;
        item.wID = static_cast<UINT>(entry.id);
        item.fType = entry.kind == MenuKind::Separator ? MFT_SEPARATOR : MFT_STRING;
        item.fState = (entry.checked ? MFS_CHECKED : 0) | (entry.enabled ? 0 : MFS_DISABLED);
        if (entry.kind != MenuKind::Separator) {
            item.fMask |= MIIM_STRING;
            item.dwTypeData = caption.data();
        }
        if (entry.kind == MenuKind::Submenu) {
            item.fMask |= MIIM_SUBMENU;
            item.hSubMenu = CreatePopupMenu();
            append(item.hSubMenu, entry.children);
        }
        InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
    }
}

// The submenu whose entry carries this id, searched at every depth.
HMENU findSubmenu(HMENU menu, int id) {
    for (int index = 0, count = GetMenuItemCount(menu); index < count; ++index) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &item) || !item.hSubMenu) continue;
        if (static_cast<int>(item.wID) == id) return item.hSubMenu;
        if (HMENU found = findSubmenu(item.hSubMenu, id)) return found;
    }
    return nullptr;
}

}  // namespace

Menu::~Menu() {
    if (menu_ && !attached_) DestroyMenu(menu_);
}

void Menu::build(const std::vector<MenuEntry>& entries) {
    if (menu_ && !attached_) DestroyMenu(menu_);
    attached_ = false;
    menu_ = CreatePopupMenu();
    append(menu_, entries);
}

void Menu::buildBar(const std::vector<MenuEntry>& menus) {
    if (menu_ && !attached_) DestroyMenu(menu_);
    attached_ = false;
    menu_ = CreateMenu();
    append(menu_, menus);
}

bool Menu::attachTo(HWND window) {
    if (!menu_ || !SetMenu(window, menu_)) return false;
    attached_ = true;
    return true;
}

bool Menu::replaceSubmenu(int submenuId, const std::vector<MenuEntry>& entries) {
    HMENU submenu = menu_ ? findSubmenu(menu_, submenuId) : nullptr;
    if (!submenu) return false;
    while (GetMenuItemCount(submenu) > 0) DeleteMenu(submenu, 0, MF_BYPOSITION);
    append(submenu, entries);
    return true;
}

void Menu::setChecked(int id, bool checked) {
    CheckMenuItem(menu_, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool Menu::checked(int id) const {
    const UINT state = GetMenuState(menu_, static_cast<UINT>(id), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED);
}

void Menu::setEnabled(int id, bool enabled) {
    EnableMenuItem(menu_, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool Menu::enabled(int id) const {
    const UINT state = GetMenuState(menu_, static_cast<UINT>(id), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

bool Menu::contains(int id) const {
    return menu_ && GetMenuState(menu_, static_cast<UINT>(id), MF_BYCOMMAND) != static_cast<UINT>(-1);
}

int Menu::itemCount(int submenuId) const {
    HMENU menu = submenuId ? findSubmenu(menu_, submenuId) : menu_;
    return menu ? GetMenuItemCount(menu) : 0;
}

int Menu::popupAtCursor(HWND owner) {
    POINT screen;
    GetCursorPos(&screen);
    return popupAt(owner, screen);
}

int Menu::popupAt(HWND owner, POINT screen) {
    if (!menu_) return 0;
    // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-trackpopupmenu
    // The owner must be the foreground window or the menu does not close
    // when the user clicks elsewhere (a notification icon's menu above all).
    SetForegroundWindow(owner);
    const int command = static_cast<int>(TrackPopupMenuEx(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                          screen.x, screen.y, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    if (command && onCommand) onCommand(command);
    return command;
}

}  // namespace vrx::ui
