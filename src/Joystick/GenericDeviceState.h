#pragma once

#include <array>
#include <cstdint>

#include "EngineTypes/JoystickSnapshot.h"

namespace vrx {

struct ProfileSettings;

// A controller's state in the engine's terms: eight axes after the device's
// axis mapping (-1000 to 1000), four hats (hundredths of a degree, anything
// above 36000 centred) and 128 buttons.
struct GenericDeviceState {
    std::array<int32_t, kAxisCount> axes{};
    std::array<uint32_t, kPovCount> povs{0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
    std::array<bool, kButtonCount> buttons{};
};

// Writes a device state into a snapshot by the stick, axis, hat and button
// rules. deadZone is the device's dead zone in its stored units (0 to 10000).
void fillSnapshot(const GenericDeviceState& state, int deadZone, const ProfileSettings& profile,
                  JoystickSnapshot& snapshot);

}  // namespace vrx
