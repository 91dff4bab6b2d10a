#include "Joystick/PressedState.h"

#include <algorithm>

namespace vrx {

bool PressedStateMemory::update(int joystick, const SlotValues& out, int activeSlots, int threshold,
                                int tickCount) {
    if (joystick < 0 || joystick >= kMaxJoysticks) return false;
    const int active = std::clamp(activeSlots, 0, kSlotCount);
    auto& flags = pressedFlag[joystick];
    auto& ticks = pressTick[joystick];
    bool changed = false;
    bool any = false;
    for (int j = 0; j < active; ++j) {
        // A value at or below the threshold is analog noise or a light touch,
        // not a press, even though it is above zero.
        const bool pressed = out[j] > threshold;
        // How long a slot has been held is measured from its rising edge.
        if (pressed && !flags[j]) ticks[j] = tickCount;
        changed |= pressed != flags[j];
        flags[j] = pressed;
        any |= pressed;
    }
    anyPressed[joystick] = any;
    return changed;
}

}  // namespace vrx
