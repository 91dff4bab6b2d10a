#pragma once

#include <array>
#include <cstdint>

#include "EngineTypes/JoystickSnapshot.h"

namespace vrx {

// What the engine remembers of each logical joystick's pressed slots between
// ticks. It is indexed by logical joystick, not by profile, so it survives a
// profile switch.
struct PressedStateMemory {
    // 0 or 1; as wide as the values and the ticks, so that the update runs
    // over many slots at once without widening and narrowing between them.
    std::array<std::array<int32_t, kSlotCount>, kMaxJoysticks> pressedFlag{};
    std::array<std::array<int, kSlotCount>, kMaxJoysticks> pressTick{};
    std::array<bool, kMaxJoysticks> anyPressed{};

    // Detection starts every joystick afresh.
    void resetFlags() {
        for (auto& flags : pressedFlag) flags.fill(0);
        anyPressed.fill(false);
        lastUpdate.fill(Update{});
    }

    // A slot counts as pressed when its value exceeds the profile's threshold.
    // Records the tick of every rising edge; returns whether any slot's state
    // changed since the previous tick.
    bool update(int joystick, const SlotValues& out, int activeSlots, int threshold, int tickCount);

private:
    // What each joystick's last update saw: the same values again change
    // nothing, since the flags change only here and in resetFlags, and
    // comparing the values is cheaper than comparing every flag.
    struct Update {
        int activeSlots = -1;  // none yet
        int threshold = 0;
        SlotValues values{};
    };
    std::array<Update, kMaxJoysticks> lastUpdate{};
};

}  // namespace vrx
