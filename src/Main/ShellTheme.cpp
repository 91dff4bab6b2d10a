#include "AppInfo/GlobalSettings.h"
#include "Joystick/EngineLinks.h"
#include "Main/ShellCommands.h"
#include "Utils/Logger.h"

// The commands model, part: the switch between the "Windows" and "Glow"
// styles, which recreates the window's handle and so runs in two stages.

namespace vrx {
namespace {

// Window handles are 32-bit values even in a 64-bit process.
unsigned handleText(uintptr_t handle) { return static_cast<unsigned>(handle); }

}  // namespace

void ShellCommands::MMDarkModeClick(uintptr_t currentHandle) {
    parts_.log.info("Switching the theme");
    parts_.theme.terminateProcessing();
    parts_.theme.unregisterRawInput();
    parts_.theme.processPendingMessages();
    parts_.log.debugf("Original HWND = %#08x", handleText(currentHandle));

    GlobalSettings& settings = parts_.settings;
    settings.darkMode = !settings.darkMode;
    parts_.log.info(settings.darkMode ? "Changing to the Dark Mode" : "Changing to the default style");
    parts_.theme.applyStyle(settings.darkMode ? "Glow" : "Windows");
    delayedTimerTag_ = 1;
    delayedTimerRunning_ = true;
}

void ShellCommands::DelayedExecTimerTimer(bool menuOpen, uintptr_t newHandle) {
    // The new handle is only final once no menu of the old one is open.
    if (!delayedTimerRunning_ || menuOpen) return;
    delayedTimerRunning_ = false;
    if (delayedTimerTag_ != 1) return;
    delayedTimerTag_ = 0;
    parts_.log.debugf("Style changed: New HWND = %#08x", handleText(newHandle));
    parts_.theme.publishWindow(newHandle);
    parts_.theme.registerRawInput();
    startProcessing();
}

}  // namespace vrx
