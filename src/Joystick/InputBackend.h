#pragma once

#include <string>

#include "EngineTypes/JoystickSnapshot.h"

namespace vrx {

class TDeviceConfig;
struct DetectionContext;
struct ProfileSettings;

// One of the three ways controllers are read (raw HID, XInput, DirectInput).
// The portable part of each back end decides what to detect and how a
// device's state becomes a snapshot; a small platform interface of its own
// fetches the state. Everything here runs with the engine lock held.
class InputBackend {
public:
    virtual ~InputBackend() = default;

    // Sets up the platform side, logging as it goes; false when the back
    // end cannot be used in this run.
    virtual bool start() = 0;
    virtual bool ready() const = 0;
    // Adds this detection's devices to the list and returns how many it
    // added; -1 when the platform could not enumerate (failureText says why).
    virtual int detect(DetectionContext& context) = 0;
    virtual std::string failureText() const { return {}; }
    // One tick's state of one of this back end's devices: kPollOk, or
    // kPollFailed when it could not be read.
    virtual int poll(TDeviceConfig& device, const ProfileSettings& profile, JoystickSnapshot& snapshot) = 0;
    // Lets go of the devices (before the program ends or the system sleeps),
    // marking their records absent; the platform side stays set up.
    virtual void release(DetectionContext& context) = 0;
};

// A back end that is never there: no devices, nothing to read. The
// simulator has no raw HID devices; tests leave out the back ends they do
// not drive.
class AbsentBackend final : public InputBackend {
public:
    bool start() override { return false; }
    bool ready() const override { return false; }
    int detect(DetectionContext&) override { return 0; }
    int poll(TDeviceConfig&, const ProfileSettings&, JoystickSnapshot&) override { return kPollFailed; }
    void release(DetectionContext&) override {}
};

}  // namespace vrx
