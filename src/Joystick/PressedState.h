#pragma once

#include <array>

#include "Joystick/JoystickSnapshot.h"

namespace vrx {

// What the engine remembers of each logical joystick's pressed slots between
// ticks. It is indexed by logical joystick, not by profile, so it survives a
// profile switch.
struct PressedStateMemory {
    std::array<std::array<bool, kSlotCount>, kMaxJoysticks> pressedFlag{};
    std::array<std::array<int, kSlotCount>, kMaxJoysticks> pressTick{};
    std::array<bool, kMaxJoysticks> anyPressed{};

    // Detection starts every joystick afresh.
    void resetFlags() {
        for (auto& flags : pressedFlag) flags.fill(false);
        anyPressed.fill(false);
    }

    // A slot counts as pressed when its value exceeds the profile's threshold.
    // Records the tick of every rising edge; returns whether any slot's state
    // changed since the previous tick.
    bool update(int joystick, const SlotValues& out, int activeSlots, int threshold, int tickCount);
};

}  // namespace vrx
