#include <exception>

#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "Main/ShellCommands.h"
#include "Utils/Logger.h"

// The commands model, part: the window's life, from how it first shows to
// the close request, minimising, restoring and deactivation.

namespace vrx {

StartShow ShellCommands::startShow(bool minimizedAsked) const {
    const GlobalSettings& settings = parts_.settings;
    if (!minimizedAsked && !settings.startIconified) return StartShow::AsAsked;
    parts_.log.info("Starting in a minimized mode");
    if (!settings.hideWhenMinimized) return StartShow::Minimized;
    parts_.log.info("Not showing (hiding) the main window");
    return StartShow::Hidden;
}

void ShellCommands::FormShow(StartShow how) {
    if (how == StartShow::Hidden) ApplicationMinimize();
}

void ShellCommands::FormActivate() {
    if (!parts_.firstRun) return;
    parts_.shellDialogs.showGreeting();
    parts_.firstRun = false;
}

bool ShellCommands::FormCloseQuery() {
    const bool canClose = reallyExit_ || !parts_.settings.exitMeansMinimize;
    parts_.log.debug(canClose ? "OnCloseQuery [CanClose=true]" : "OnCloseQuery [CanClose=false]");
    if (!canClose) parts_.window.minimizeApplication();
    return canClose;
}

void ShellCommands::ApplicationMinimize() {
    windowShown_ = false;
    if (!parts_.settings.hideWhenMinimized) return;
    parts_.log.debug("ShowWindow(SW_HIDE)");
    parts_.window.hideTaskbarWindow();
}

void ShellCommands::ApplicationRestore() {
    if (!parts_.settings.hideWhenMinimized) return;
    parts_.log.debug("ShowWindow(SW_SHOW)");
    parts_.window.showTaskbarWindow();
    parts_.window.bringToFront();
}

void ShellCommands::ApplicationDeactivate() {
    parts_.log.debug("Application Deactivated");
    const ConfigFile* profile = parts_.profiles.currentProfile();
    if (!profile || !profile->modified) return;
    // A failed write leaves the profile modified, so the next deactivation
    // or the exit tries again.
    try {
        parts_.profiles.saveCurrent(parts_.profiles.currentName());
    } catch (const std::exception& failure) {
        message(failure.what(), "Error", MessageIcon::Error);
    }
}

void ShellCommands::MMExitClick() {
    reallyExit_ = true;
    parts_.window.closeMainWindow();
}

// The session may end only once the window is gone; what the close would
// save is then saved.
void ShellCommands::endSession() { MMExitClick(); }

}  // namespace vrx
