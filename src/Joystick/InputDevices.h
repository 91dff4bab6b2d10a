#pragma once

#include <atomic>

#include "EngineTypes/EngineLock.h"
#include "Joystick/DeviceList.h"
#include "Joystick/EngineLinks.h"

namespace vrx {

class DeviceConfigManager;
class InputBackend;
class Logger;
struct GlobalSettings;
struct PressedStateMemory;

// The back ends in the order detection runs them.
struct InputBackends {
    InputBackend& hid;
    InputBackend& xinput;
    InputBackend& directInput;
};

// What detection tells the main window.
class DeviceListUi {
public:
    virtual ~DeviceListUi() = default;
    // Posted: detection also runs on the timer thread.
    virtual void postUpdateJoysticks() = 0;
};

// The controllers of this run: sets up the back ends as the input API mode
// asks, detects the devices and numbers them as logical joysticks, and
// sends each joystick's per-tick poll to the back end of its device.
class InputDevices final : public DevicePoller {
public:
    InputDevices(InputBackends backends, DeviceConfigManager& registry, GlobalSettings& settings,
                 PressedStateMemory& pressed, EngineLock& lock, DeviceListUi& ui, Logger& log);

    // Starts the back ends and runs a first detection; false when DirectInput
    // could not be created (no detection then).
    bool InitializeInputApis();
    void ReleaseInputApis();
    // Returns the number of devices found. force: the user asked, so the
    // main window hears of it even when the count stayed the same.
    int DetectJoysticks(bool force);

    // A device came or went; the next tick with no menu open detects again.
    void requestRedetection() { redetectRequested_.store(true); }
    bool redetectRequested() const { return redetectRequested_.load(); }

    int deviceCount() const override { return list_.total(); }
    int deviceFor(int joystick) const override;
    int poll(int device, const ProfileSettings& profile, JoystickSnapshot& snapshot) override;

    const DeviceList& list() const { return list_; }

private:
    DetectionContext context();
    void assignJoysticks();
    void assign(int device, int joystick);
    InputBackend& backendFor(int api);

    InputBackends backends_;
    DeviceConfigManager& registry_;
    GlobalSettings& settings_;
    PressedStateMemory& pressed_;
    EngineLock& lock_;
    DeviceListUi& ui_;
    Logger& log_;
    DeviceList list_;
    std::atomic<bool> redetectRequested_{false};
};

}  // namespace vrx
