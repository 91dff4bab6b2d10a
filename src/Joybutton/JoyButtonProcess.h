#pragma once

#include "EngineTypes/JoystickSnapshot.h"
#include "Joybutton/JoyButton.h"

namespace vrx {

class JoystickConfig;
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

int FilterInputSlow(JoyButton& button, int value, TickContext& tick);

// An ignore counter swallows input held across a switch; then the toggle
// filter decides what the slot's behaviour sees. Most slots have neither,
// which one test tells.
inline int FilterInput(JoyButton& button, int value, TickContext& tick) {
    JoyButtonRuntime& r = button.runtime;
    if ((r.ignoreCounter | button.toggle) == 0 && r.forcedState < 0) [[likely]] {
        r.toggleState = r.togglePrev = false;
        return value;
    }
    return FilterInputSlow(button, value, tick);
}

// Runs a slot's assignment for this tick's value.
void Process(JoyButton& button, int value, TickContext& tick);

// Runs the assigned slots among the first activeSlots of a joystick for this
// tick's values: releases first, so that a key shared by two slots goes up
// before it goes down again. The values from filteredSlots on have not been
// through FilterInput yet; each is filtered as its slot comes up.
void ProcessSlots(JoystickConfig& config, SlotValues& values, int activeSlots, int filteredSlots, TickContext& tick);

// Whether a tick that gives the slot a value of this sign changes nothing
// at all: no ignore counter to count down or clear, a value the toggle
// filter passes through with its edge memory already clear, and a Process
// call that finds no edge, no abort request and nothing to repeat or
// refresh. Recognised are None and plain Keyboard slots, and released
// JoystickShift and ProfileSwitch slots; a held JoystickShift slot shifts the
// joystick, and a held ProfileSwitch slot may ask for its profile. Every
// field read here lies in the slot's first cache line.
inline bool IdleTick(const JoyButton& b, int value) {
    const JoyButtonRuntime& r = b.runtime;
    const bool held = value > 0;
    if (r.ignoreCounter != 0 || r.forcedState >= 0 || b.toggle != 0 || r.toggleState || r.togglePrev) return false;
    if (b.type == AssignType::None) return true;
    if (r.slotPressed != held || r.abortRequested) return false;
    if (b.type == AssignType::Keyboard) return !b.autoRepeats() && !(r.keysDown && b.refreshesHeldKeys);
    return !held && (b.type == AssignType::JoystickShift || b.type == AssignType::ProfileSwitch);
}

// Lets go of whatever the slot holds and forgets its run-time state.
void ForceRelease(JoyButton& button, TickContext& tick);

// Moves a held input to a slot with the same output, without a release and a
// new press.
void HandOver(JoyButton& from, JoyButton& to);

}  // namespace vrx
