#pragma once

#include <cstdint>
#include <string_view>

#include "Joystick/JoystickSnapshot.h"

namespace vrx {

class ConfigFile;
struct ProfileSettings;

// A window of the system, as the engine compares them; 0 is none.
using WindowHandle = uintptr_t;

// The profile list as the engine sees it: the profile in force, and a switch
// that an assignment asked for.
class ProfileHost {
public:
    virtual ~ProfileHost() = default;
    virtual ConfigFile* currentProfile() = 0;
    // 0, or -1 when no profile has that name.
    virtual int switchToName(std::string_view name) = 0;
};

// The detected controllers and their back ends.
class DevicePoller {
public:
    virtual ~DevicePoller() = default;
    virtual int deviceCount() const = 0;
    // The detected device that feeds logical joystick n, or -1.
    virtual int deviceFor(int joystick) const = 0;
    // Fills the snapshot from one device: kPollOk, or kPollFailed when the
    // device could not be read in this tick.
    virtual int poll(int device, const ProfileSettings& profile, JoystickSnapshot& snapshot) = 0;
};

// What the engine tells the user interface, always by posted messages so
// that the tick never waits for it.
class UserInterfaceLink {
public:
    virtual ~UserInterfaceLink() = default;
    // False once the program has been minimised, until it is restored from
    // the notification area.
    virtual bool windowShown() const = 0;
    virtual bool isDeviceDialog(WindowHandle window) const = 0;
    virtual void postRefreshHighlight() = 0;
    virtual void postDeviceDialogRedraw() = 0;
};

// The engine lock: whoever changes what the tick reads holds it. It is
// re-entrant, so a switch the tick itself asks for can take it again.
class EngineLock {
public:
    virtual ~EngineLock() = default;
    virtual void enter() = 0;
    virtual void leave() = 0;
};

// For an engine that only one thread ever touches (the simulator, tests).
class UnsharedEngineLock final : public EngineLock {
public:
    void enter() override {}
    void leave() override {}
};

class EngineLockGuard {
public:
    explicit EngineLockGuard(EngineLock& lock) : lock_(lock) { lock_.enter(); }
    ~EngineLockGuard() { lock_.leave(); }
    EngineLockGuard(const EngineLockGuard&) = delete;
    EngineLockGuard& operator=(const EngineLockGuard&) = delete;

private:
    EngineLock& lock_;
};

// Stopping and restarting the processing timer around changes the tick must
// not see half done.
class TimerControl {
public:
    virtual ~TimerControl() = default;
    virtual void disable() = 0;
    virtual void enable() = 0;
};

}  // namespace vrx
