#pragma once

#include <array>

#include "EngineTypes/JoystickSnapshot.h"

namespace vrx {

class JoystickConfig;

// The joysticks whose slots the tick found idle (see IdleTick), remembered so
// that a steady joystick costs a comparison of its values instead of a look
// at each of its slots. A slot changes only when the tick runs it, and the
// tick forgets the joystick before it does, or through prepare, reset,
// ForceRelease and HandOver, which slotChangeCount counts. So a joystick
// found idle stays idle while the count stands and each slot's value keeps
// its sign. Debug builds check every remembered answer against the slots.
class IdleJoysticks {
public:
    // Whether a tick that gives the configuration's slots these values
    // changes nothing, provided the input stays with these slots; see the
    // definition for why that covers the whole rest of the joystick's tick.
    bool idle(const JoystickConfig& config, const SlotValues& out, int activeSlots);

    // The tick is about to run the configuration's slots.
    void forget(const JoystickConfig& config);

private:
    struct Entry {
        const JoystickConfig* config = nullptr;
        unsigned slotChanges = 0;
        int activeSlots = 0;
        SlotValues values{};
    };

    // By the configuration's joystick number, which the profile gives it.
    Entry* entryFor(const JoystickConfig& config);

    std::array<Entry, kMaxJoysticks> entries_{};
};

}  // namespace vrx
