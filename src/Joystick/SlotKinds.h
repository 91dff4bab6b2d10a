#pragma once

#include <array>

#include "EngineTypes/SlotIndex.h"

namespace vrx {

class JoystickConfig;

// Which kinds of slot a joystick configuration holds, for the passes of the
// tick that only some kinds need: without them, a pass over every slot would
// find nothing to do.
struct SlotKinds {
    bool shifts = true;        // a JoystickShift slot
    bool scalesAnalog = true;  // a MouseAbsolute slot, or a Mouse slot with an analog factor
    bool triggers = true;      // a slot with trigger codes, which presses other slots as it runs
};

SlotKinds slotKindsOf(const JoystickConfig& config);

// The kinds of each joystick's configuration, looked at again only when some
// slot has changed (slotChangeCount), which is rare next to the ticks.
class SlotKindCache {
public:
    SlotKinds kindsOf(const JoystickConfig& config);

private:
    struct Entry {
        const JoystickConfig* config = nullptr;
        unsigned slotChanges = 0;
        SlotKinds kinds;
    };

    // By the configuration's joystick number, which the profile gives it.
    std::array<Entry, kMaxJoysticks> entries_{};
};

}  // namespace vrx
