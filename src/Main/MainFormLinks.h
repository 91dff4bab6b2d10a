#pragma once

#include <string>

namespace vrx {

// What the main window's models ask of the windows around them, beside the
// dialogs: the view answers, tests record.

// The notices of a profile switch that are shown on the screen.
class SwitchNotices {
public:
    virtual ~SwitchNotices() = default;
    virtual void showBalloon(const std::string& title, const std::string& text, int durationMs) = 0;
    // The image form (ShowImage / HideImage). position: ProfileImagePosition.
    virtual void showImage(const std::string& path, int position, int durationMs) = 0;
    virtual void hideImage() = 0;
};

// The shell's default handlers.
class ShellActions {
public:
    virtual ~ShellActions() = default;
    virtual void openAddress(const std::string& address) = 0;
    // The folder in the system's file browser (verb "explore").
    virtual void exploreFolder(const std::string& folder) = 0;
};

// Writes Vantorix.ini now (device names and templates live there).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual void saveGlobalSettings() = 0;
};

}  // namespace vrx
