#include "Simulator/SimulatedDevices.h"

namespace vrx {

void SimulatedDevices::attach(int joystick, Kind kind) {
    Device& d = device(joystick);
    d = Device{};
    d.kind = kind;
}

bool SimulatedDevices::anyAttached() const {
    for (const Device& d : devices_)
        if (d.kind != Kind::None) return true;
    return false;
}

int SimulatedDevices::deviceFor(int joystick) const {
    if (joystick < 0 || joystick >= kMaxJoysticks) return -1;
    return devices_[static_cast<size_t>(joystick)].kind == Kind::None ? -1 : joystick;
}

int SimulatedDevices::poll(int device, const ProfileSettings& profile, JoystickSnapshot& snapshot) {
    Device& d = devices_[static_cast<size_t>(device)];
    if (d.kind == Kind::XInput)
        fillXInputSnapshot(d.pad, deadZone_, profile, d.lastAxis, snapshot);
    else
        fillSnapshot(d.generic, deadZone_, profile, snapshot);
    return kPollOk;
}

}  // namespace vrx
