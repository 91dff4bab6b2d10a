#include <algorithm>
#include <span>

#include "Main/MainForm.h"
#include "Main/MainWindow_win.h"
#include "Main/OptionsPageView_win.h"

// The main window's menus: the menu bar, the notification icon's menu and
// the popups of the profile list, the tab strip and the button list, all
// built from the tables of the commands model.

namespace vrx {
namespace {

int idOf(Command command) { return static_cast<int>(command); }

// The flat table as a tree: an entry followed by deeper ones holds them.
std::vector<ui::MenuEntry> treeOf(std::span<const MenuEntry> table, size_t& at, int depth) {
    std::vector<ui::MenuEntry> entries;
    while (at < table.size() && table[at].depth == depth) {
        const MenuEntry& line = table[at++];
        ui::MenuEntry entry;
        if (line.isSeparator()) {
            entry.kind = ui::MenuKind::Separator;
        } else {
            entry.id = idOf(line.command);
            entry.caption = line.caption;
            const bool holdsItems = at < table.size() && table[at].depth > depth;
            if (holdsItems || line.command == Command::ButtonListSwap) {
                entry.kind = ui::MenuKind::Submenu;
                entry.children = treeOf(table, at, depth + 1);
            }
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<ui::MenuEntry> treeOf(std::span<const MenuEntry> table) {
    size_t at = 0;
    return treeOf(table, at, table.empty() ? 0 : table.front().depth);
}

void setCheckMarks(ui::Menu& menu, const std::vector<MenuItemState>& marks) {
    for (const MenuItemState& mark : marks) menu.setChecked(idOf(mark.command), mark.on);
}

void setEnabled(ui::Menu& menu, const std::vector<MenuItemState>& items) {
    for (const MenuItemState& item : items) menu.setEnabled(idOf(item.command), item.on);
}

}  // namespace

void MainWindow::createMenus() {
    mainMenu_.buildBar(treeOf(mainMenuTable()));
    mainMenu_.attachTo(window_);
    tsOptions_->onDetect = [this] { shellLink_([](ShellCommands& s) { s.btnDetectClick(); }); };
    tsOptions_->onCalibrate = [this] { runCommand(idOf(Command::JoystickProperty)); };
    refreshMenuChecks();
}

void MainWindow::refreshMenuChecks() {
    if (shell_) setCheckMarks(mainMenu_, shell_->checkMarks(mainMenuTable()));
}

void MainWindow::runCommand(int command) {
    shellLink_([command, handle = reinterpret_cast<uintptr_t>(window_)](ShellCommands& s) { s.run(command, handle); });
}

void MainWindow::showConfigListMenu(POINT screen) {
    ui::Menu menu(treeOf(configListMenuTable()));
    if (const int command = menu.popupAt(window_, screen)) runCommand(command);
}

void MainWindow::showButtonListMenu(int row, POINT screen) {
    if (!link_.attached()) return;
    const ButtonListMenu state = link_([row](MainForm& f) { return f.PMButtonListPopup(row); });
    ui::Menu menu(treeOf(buttonListMenuTable()));
    setEnabled(menu, enabledItems(state));
    std::vector<ui::MenuEntry> swaps;
    swaps.reserve(state.swapItems.size());
    for (const SwapItem& item : state.swapItems) swaps.push_back({.id = swapCommand(item.slot), .caption = item.caption});
    menu.replaceSubmenu(idOf(Command::ButtonListSwap), swaps);
    if (const int command = menu.popupAt(window_, screen)) runCommand(command);
}

void MainWindow::showTabMenu(int tab, POINT screen) {
    const JoystickTabMenu state = link_([tab, focused = tsOptions_->focusedNumberBox()](MainForm& f) {
        return f.PMJoystickTabPopup(tab, focused);
    });
    if (!state.opens) return;
    ui::Menu menu(treeOf(joystickTabMenuTable()));
    setEnabled(menu, enabledItems(state));
    if (const int command = menu.popupAt(window_, screen)) runCommand(command);
}

void MainWindow::showTrayMenu() {
    if (!shell_) return;
    std::vector<ui::MenuEntry> entries;
    for (const TrayProfileItem& item : shell_->trayProfileItems())
        entries.push_back({.id = trayProfileCommand(item.index), .caption = item.caption, .checked = item.checked});
    for (ui::MenuEntry& entry : treeOf(trayMenuTable())) entries.push_back(std::move(entry));
    ui::Menu menu(entries);
    setCheckMarks(menu, shell_->checkMarks(trayMenuTable()));
    if (const int command = menu.popupAtCursor(window_)) runCommand(command);
}

}  // namespace vrx
