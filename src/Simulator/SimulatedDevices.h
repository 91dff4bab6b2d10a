#pragma once

#include <array>
#include <memory>

#include "EngineTypes/EngineLock.h"
#include "EngineTypes/SlotIndex.h"
#include "Joystick/EngineLinks.h"
#include "Joystick/GenericDeviceState.h"
#include "Joystick/XInputPad.h"

namespace vrx {

class EngineLock;
class EventRecord;
class Logger;
class Vibration;
struct GlobalSettings;
struct PressedStateMemory;

// Controllers played by a scenario, read through the program's own XInput
// and DirectInput back ends over simulated libraries: a "generic" device is
// a DirectInput controller, an "xinput" one a pad on the next free user
// index. Each is detected as logical joystick n, the number it prefers.
// What the pads' motors are told appears as events of the record. The
// engine may hold a reference to it before it is made: nothing is polled
// before a scenario attaches a device.
class SimulatedDevices final : public DevicePoller {
public:
    enum class Kind { Generic, XInput };

    SimulatedDevices(GlobalSettings& settings, PressedStateMemory& pressed, EngineLock& lock, EventRecord& record,
                     Logger& log);
    ~SimulatedDevices() override;

    // A joystick gets a fresh device of that kind, at rest, and the devices
    // are detected again.
    void attach(int joystick, Kind kind);
    // The state the joystick's device reports from now on; axes -1000 to
    // 1000 in the engine's axis order, hats in hundredths of a degree.
    GenericDeviceState& generic(int joystick);
    XInputPadState& pad(int joystick);

    int deviceCount() const override;
    int deviceFor(int joystick) const override;
    int poll(int device, const ProfileSettings& profile, JoystickSnapshot& snapshot) override;
    Vibration& vibration();

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

}  // namespace vrx
