#pragma once

#include <array>

#include "Joystick/EngineLinks.h"
#include "Joystick/GenericDeviceState.h"
#include "Joystick/SlotIndex.h"
#include "Joystick/XInputPad.h"

namespace vrx {

// Controllers played by a scenario: logical joystick n is fed by device n,
// once the scenario has given it one.
class SimulatedDevices final : public DevicePoller {
public:
    enum class Kind { None, Generic, XInput };
    struct Device {
        Kind kind = Kind::None;
        GenericDeviceState generic;
        XInputPadState pad;
        std::array<int, 4> lastAxis{};
    };

    explicit SimulatedDevices(const int& deadZone) : deadZone_(deadZone) {}

    Device& device(int joystick) { return devices_[static_cast<size_t>(joystick)]; }
    // A joystick gets a fresh device of that kind, at rest.
    void attach(int joystick, Kind kind);
    bool anyAttached() const;

    int deviceCount() const override { return kMaxJoysticks; }
    int deviceFor(int joystick) const override;
    int poll(int device, const ProfileSettings& profile, JoystickSnapshot& snapshot) override;

private:
    const int& deadZone_;  // the global default dead zone, which a new device takes
    std::array<Device, kMaxJoysticks> devices_{};
};

}  // namespace vrx
