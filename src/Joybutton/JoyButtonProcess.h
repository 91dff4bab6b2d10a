#pragma once

#include "Joybutton/JoyButton.h"

namespace vrx {

struct TickContext;

int ToggleFilterSlow(JoyButton& button, int value, TickContext& tick);

// The value a slot's behaviour sees: a triggered or forced slot overrides its
// input, and a toggled slot stays on from one press to the next. Most slots
// are neither, and the tick asks this of every slot, so they return at once.
inline int ToggleFilter(JoyButton& button, int value, TickContext& tick) {
    JoyButtonRuntime& r = button.runtime;
    if (r.forcedState < 0 && button.toggle == 0) {
        r.toggleState = r.togglePrev = false;
        return value;
    }
    return ToggleFilterSlow(button, value, tick);
}

// Runs a slot's assignment for this tick's value.
void Process(JoyButton& button, int value, TickContext& tick);

// Lets go of whatever the slot holds and forgets its run-time state.
void ForceRelease(JoyButton& button, TickContext& tick);

// Moves a held input to a slot with the same output, without a release and a
// new press.
void HandOver(JoyButton& from, JoyButton& to);

}  // namespace vrx
