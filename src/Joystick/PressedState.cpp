#include "Joystick/PressedState.h"

#include <algorithm>

namespace vrx {

bool PressedStateMemory::update(int joystick, const SlotValues& out, int activeSlots, int threshold,
                                int tickCount) {
    if (joystick < 0 || joystick >= kMaxJoysticks) return false;
    const int active = std::clamp(activeSlots, 0, kSlotCount);
    auto& flags = pressedFlag[joystick];
    auto& ticks = pressTick[joystick];
    // Selects and plain ors instead of branches let the compiler run the
    // loop over many slots at once; it runs for every joystick every tick.
    uint8_t changed = 0;
    uint8_t any = 0;
    for (int j = 0; j < active; ++j) {
        // A value at or below the threshold is analog noise or a light touch,
        // not a press, even though it is above zero.
        const uint8_t pressed = out[j] > threshold;
        const uint8_t was = flags[j];
        // How long a slot has been held is measured from its rising edge.
        ticks[j] = (pressed & ~was & 1) ? tickCount : ticks[j];
        changed |= pressed ^ was;
        any |= pressed;
        flags[j] = pressed;
    }
    anyPressed[joystick] = any != 0;
    return changed != 0;
}

}  // namespace vrx
