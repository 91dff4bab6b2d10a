#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vrx::ui {

enum class MenuKind { Item, Separator, Submenu };

// One line of a menu table. A submenu's id names it for replaceSubmenu.
struct MenuEntry {
    int id = 0;
    std::string caption{};
    MenuKind kind = MenuKind::Item;
    bool checked = false;
    bool enabled = true;
    std::vector<MenuEntry> children{};  // for a submenu
};

// A popup menu built from a table, owned.
class Menu {
public:
    Menu() = default;
    explicit Menu(const std::vector<MenuEntry>& entries) { build(entries); }
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    ~Menu();

    void build(const std::vector<MenuEntry>& entries);
    // A window's menu bar instead of a popup: the entries are its menus.
    void buildBar(const std::vector<MenuEntry>& menus);
    // Puts the bar on a window, which owns it from then on and destroys it
    // with itself.
    bool attachTo(HWND window);
    // Empties the submenu with this id and fills it from entries.
    bool replaceSubmenu(int submenuId, const std::vector<MenuEntry>& entries);
    HMENU handle() const { return menu_; }

    void setChecked(int id, bool checked);
    bool checked(int id) const;
    void setEnabled(int id, bool enabled);
    bool enabled(int id) const;
    bool contains(int id) const;
    // The number of entries of the menu, or of a submenu by its id.
    int itemCount(int submenuId = 0) const;

    // Shows the menu at the pointer (or at a screen point) for owner and
    // returns the chosen command id, 0 when none; onCommand gets it too.
    int popupAtCursor(HWND owner);
    int popupAt(HWND owner, POINT screen);

    std::function<void(int id)> onCommand;

private:
    HMENU menu_ = nullptr;
    bool attached_ = false;
};

}  // namespace vrx::ui
