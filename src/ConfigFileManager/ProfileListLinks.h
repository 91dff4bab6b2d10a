#pragma once

#include <string>
#include <string_view>

#include "Utils/MessageBoxTypes.h"

namespace vrx {

class ConfigFile;

// The profile list as the engine sees it: the profile in force, and a switch
// that an assignment asked for.
class ProfileHost {
public:
    virtual ~ProfileHost() = default;
    virtual ConfigFile* currentProfile() = 0;
    // 0, or -1 when no profile has that name.
    virtual int switchToName(std::string_view name) = 0;
};

// What a change of the profile in force does to the engine. The profile
// list calls both under the engine lock.
class ProfileEngine {
public:
    virtual ~ProfileEngine() = default;
    // Lets go of everything the profile's slots and the virtual buttons hold.
    virtual void ReleaseProfile(ConfigFile& profile) = 0;
    // Called whenever a profile has been loaded or switched, so that no
    // shift carries over into the new profile.
    virtual void ResetShiftTracking(ConfigFile& profile) = 0;
};

// The user interface as the profile list needs it: the name dialog, the
// message boxes, and the notice that another profile is in force.
class ProfileListUi {
public:
    virtual ~ProfileListUi() = default;
    // The name the user typed; empty when the dialog was cancelled.
    virtual std::string askName(const std::string& caption, const std::string& prompt, const std::string& initial) = 0;
    // A warning with Yes and No, and Cancel when withCancel.
    virtual MessageAnswer ask(const std::string& text, const std::string& caption, bool withCancel) = 0;
    virtual void showError(const std::string& text, const std::string& caption) = 0;
    // Posted, never sent: the timer thread switches too and must not wait.
    virtual void postProfileSwitched() = 0;
};

// The application link's verdict on a foreground window.
struct AppLinkVerdict {
    bool matched = false;
    std::string profileName;  // of the matching rule
    int noMatchAction = 0;    // 1 back to the last selected profile, 2 to defaultConfig
    std::string defaultConfig;
};

class AppLinkRules {
public:
    virtual ~AppLinkRules() = default;
    virtual AppLinkVerdict match(std::string_view path, std::string_view title) const = 0;
};

}  // namespace vrx
