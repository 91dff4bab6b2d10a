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

}  // namespace

void MainWindow::createMenus() {
    mainMenu_.buildBar(treeOf(mainMenuTable()));
    mainMenu_.attachTo(window_);
    tsOptions_->onDetect = [this] { route([this] { shell_->btnDetectClick(); }); };
    tsOptions_->onCalibrate = [this] { runCommand(idOf(Command::JoystickProperty)); };
    syncMenuChecks();
}

void MainWindow::syncMenuChecks() {
    if (!shell_) return;
    mainMenu_.setChecked(idOf(Command::DisableAppLink), shell_->appLinkSuspended());
    mainMenu_.setChecked(idOf(Command::DisableJoystick), shell_->joystickSuspended());
    mainMenu_.setChecked(idOf(Command::DarkMode), shell_->darkMode());
    mainMenu_.setChecked(idOf(Command::AutoStartup), shell_->autoStartup());
}

void MainWindow::runCommand(int command) {
    if (!shell_) return;
    const auto handle = reinterpret_cast<uintptr_t>(window_);
    route([this, command, handle] { shell_->run(command, handle); });
}

void MainWindow::showConfigListMenu(POINT screen) {
    ui::Menu menu(treeOf(configListMenuTable()));
    if (const int command = menu.popupAt(window_, screen)) runCommand(command);
}

void MainWindow::showButtonListMenu(POINT screen) {
    if (!form_) return;
    const ButtonListMenu state = form_->PMButtonListPopup();
    ui::Menu menu(treeOf(buttonListMenuTable()));
    for (Command row : {Command::ButtonListEdit, Command::ButtonListCopy, Command::ButtonListPaste,
                        Command::ButtonListClear, Command::ButtonListSwap})
        menu.setEnabled(idOf(row), state.rowItems);
    menu.setEnabled(idOf(Command::ButtonListAllClear), state.joystickItems);
    menu.setEnabled(idOf(Command::RenameDeviceName2), state.renameDeviceName);
    menu.setEnabled(idOf(Command::EditDeviceTemplate2), state.editDeviceTemplate);
    menu.setEnabled(idOf(Command::RenameTabName2), state.renameTabName);
    menu.setEnabled(idOf(Command::SpecifyTabTemplate2), state.specifyTabTemplate);
    std::vector<ui::MenuEntry> swaps;
    swaps.reserve(state.swapItems.size());
    for (const SwapItem& item : state.swapItems) swaps.push_back({.id = swapCommand(item.slot), .caption = item.caption});
    menu.replaceSubmenu(idOf(Command::ButtonListSwap), swaps);
    if (const int command = menu.popupAt(window_, screen)) runCommand(command);
}

void MainWindow::showTabMenu(int tab, POINT screen) {
    if (!form_) return;
    const FocusedControl focused = tsOptions_->focusedNumberBox();
    JoystickTabMenu state;
    route([&] { state = form_->PMJoystickTabPopup(tab, focused); });
    if (!state.opens) return;
    ui::Menu menu(treeOf(joystickTabMenuTable()));
    menu.setEnabled(idOf(Command::RenameDeviceName), state.renameDeviceName);
    menu.setEnabled(idOf(Command::ClearDeviceName), state.clearDeviceName);
    menu.setEnabled(idOf(Command::EditDeviceTemplate), state.editDeviceTemplate);
    menu.setEnabled(idOf(Command::RenameTabName), state.renameTabName);
    menu.setEnabled(idOf(Command::SpecifyTabTemplate), state.specifyTabTemplate);
    if (const int command = menu.popupAt(window_, screen)) runCommand(command);
}

void MainWindow::showTrayMenu() {
    std::vector<ui::MenuEntry> entries;
    for (const TrayProfileItem& item : shell_->trayProfileItems())
        entries.push_back({.id = trayProfileCommand(item.index), .caption = item.caption, .checked = item.checked});
    for (ui::MenuEntry& entry : treeOf(trayMenuTable())) entries.push_back(std::move(entry));
    ui::Menu menu(entries);
    menu.setChecked(idOf(Command::TrayDisableAppLink), shell_->appLinkSuspended());
    menu.setChecked(idOf(Command::TrayDisableJoystick), shell_->joystickSuspended());
    if (const int command = menu.popupAtCursor(window_)) runCommand(command);
}

}  // namespace vrx
