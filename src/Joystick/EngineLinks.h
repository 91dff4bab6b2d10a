#pragma once

#include "EngineTypes/JoystickSnapshot.h"
#include "Utils/WindowHandle.h"

namespace vrx {

struct ProfileSettings;

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

// Stopping and restarting the processing timer around changes the tick must
// not see half done.
class TimerControl {
public:
    virtual ~TimerControl() = default;
    virtual void disable() = 0;
    virtual void enable() = 0;
};

}  // namespace vrx
