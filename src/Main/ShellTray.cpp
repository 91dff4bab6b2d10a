#include "ConfigFileManager/ConfigFileManager.h"
#include "Main/ShellCommands.h"
#include "Main/WindowGeometry.h"
#include "Utils/Logger.h"

// The commands model, part: the notification-area icon and its menu.

namespace vrx {

std::vector<TrayProfileItem> ShellCommands::trayProfileItems() const {
    std::vector<TrayProfileItem> items;
    const auto& names = parts_.profiles.names();
    for (size_t i = 0; i < names.size(); ++i)
        items.push_back({names[i], static_cast<int>(i), static_cast<int>(i) == parts_.profiles.currentIndex()});
    return items;
}

void ShellCommands::TrayIconClick() {
    if (!windowShown_) {
        PMTaskTrayOpenClick();
    } else if (!parts_.firstRun) {
        parts_.window.minimizeApplication();
    }
}

void ShellCommands::TrayIconMouseDown(bool) {
    // The profile items of a right click's menu come from trayProfileItems(),
    // which the view reads as the menu opens.
    redetect(true);
}

void ShellCommands::PMTaskTrayConfigItemClick(int index) { parts_.profiles.switchTo(index, false); }

void ShellCommands::PMTaskTrayOpenClick() {
    parts_.log.debug("Restoring Main Window from Task Tray");
    parts_.window.restoreApplication();
    windowShown_ = true;
    parts_.window.showMainWindow();
}

void ShellCommands::PMResetWindowPositionClick() {
    parts_.log.debug("Resetting the position of Main Window form");
    parts_.window.setBounds(kResetLeft, kResetTop, kResetWidth, kResetHeight);
    PMTaskTrayOpenClick();
}

}  // namespace vrx
