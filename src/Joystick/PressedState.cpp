#include "Joystick/PressedState.h"

#include <algorithm>

namespace vrx {

bool PressedStateMemory::update(int joystick, const SlotValues& out, int activeSlots, int threshold,
                                int tickCount) {
    if (joystick < 0 || joystick >= kMaxJoysticks) return false;
    // A copy, not the constant itself: std::clamp takes references, and a
    // reference to an inline constant leaves the cross linker an empty section.
    const int active = std::clamp(activeSlots, 0, int{kSlotCount});
    Update& last = lastUpdate[joystick];
    if (last.activeSlots == active && last.threshold == threshold &&
        std::equal(out.begin(), out.begin() + active, last.values.begin()))
        return false;
    last.activeSlots = active;
    last.threshold = threshold;
    std::copy(out.begin(), out.begin() + active, last.values.begin());

    auto& flags = pressedFlag[joystick];
    auto& ticks = pressTick[joystick];
    // Selects and plain ors instead of branches let the compiler run the loop
    // over many slots at once; it runs for every joystick whose values moved.
    // A value at or below the threshold is analog noise or a light touch,
    // not a press, even though it is above zero.
    int32_t changed = 0;
    int32_t any = 0;
    for (int j = 0; j < active; ++j) {
        const int32_t pressed = out[j] > threshold;
        changed |= pressed ^ flags[j];
        any |= pressed;
        // How long a slot has been held is measured from its rising edge.
        ticks[j] = (pressed & ~flags[j] & 1) ? tickCount : ticks[j];
        flags[j] = pressed;
    }
    anyPressed[joystick] = any != 0;
    return changed != 0;
}

}  // namespace vrx
