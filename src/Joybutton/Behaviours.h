#pragma once

#include "Joybutton/JoyButton.h"

namespace vrx {

struct TickContext;

// What Process works out of one tick's value before a behaviour runs.
struct SlotEvent {
    int value;
    bool justPressed;
    bool justReleased;
    int heldMs;          // how long the current press has lasted; 0 while released
    int sincePrevious;   // ms from the previous press's start to this tick
};

// Auto-repeat: decides whether this tick presses or releases the slot's
// output. Returns false when the output keeps its state this tick.
bool AutoRepeatStep(JoyButton& r, const SlotEvent& e, TickContext& tick, bool& release, bool& press);

void ProcessKeyboardMulti(JoyButton& r, const SlotEvent& e, TickContext& tick);
void ProcessAnalogSwitch(JoyButton& r, const SlotEvent& e, TickContext& tick);
void ProcessMultiSequence(JoyButton& r, const SlotEvent& e, TickContext& tick);
void ProcessCommand(JoyButton& r, bool justPressed, TickContext& tick);
void MouseOutput(JoyButton& r, int value, bool press, bool release, TickContext& tick);

// The one-shot slots, run on a press: LaunchProgram hands its target to the
// launcher, PasteText puts its expanded text on the clipboard and types Ctrl+V.
void LaunchProgram(JoyButton& r, TickContext& tick);
void PasteText(JoyButton& r, TickContext& tick);

// Stops a running Command or MultiSequence, releasing what its current step holds.
void AbortSequence(JoyButton& r, TickContext& tick);

}  // namespace vrx
