#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "EngineTypes/JoystickSnapshot.h"

namespace vrx {

struct ProfileSettings;

// The gamepad part of an XInput state, as the system reports it (sticks with
// Y positive upwards).
struct XInputPadState {
    uint16_t buttons = 0;
    uint8_t leftTrigger = 0;
    uint8_t rightTrigger = 0;
    int16_t thumbLX = 0, thumbLY = 0, thumbRX = 0, thumbRY = 0;
};

// The button bits of XInputPadState::buttons.
namespace xinput {
inline constexpr uint16_t kDpadUp = 0x0001, kDpadDown = 0x0002, kDpadLeft = 0x0004, kDpadRight = 0x0008;
inline constexpr uint16_t kStart = 0x0010, kBack = 0x0020, kLeftThumb = 0x0040, kRightThumb = 0x0080;
inline constexpr uint16_t kLeftShoulder = 0x0100, kRightShoulder = 0x0200, kGuide = 0x0400;
inline constexpr uint16_t kA = 0x1000, kB = 0x2000, kX = 0x4000, kY = 0x8000;
}  // namespace xinput

// Writes a pad's state into a snapshot in the fixed pad layout: sticks on
// axes 1 to 4, the triggers on axis 5 and buttons 11 and 12, the D-pad on
// hat 1, thirteen buttons. deadZone is the device's stored dead zone (0 to
// 10000); lastAxis is the device's memory of what the live display showed,
// and a change of it sets axisMoved.
void fillXInputSnapshot(const XInputPadState& pad, int deadZone, const ProfileSettings& profile,
                        std::span<int, 4> lastAxis, JoystickSnapshot& snapshot);

}  // namespace vrx
