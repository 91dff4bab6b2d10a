#pragma once

#include "EngineTypes/Ticks.h"
#include "Joybutton/JoyButton.h"
#include "Joybutton/TickContext.h"
#include "Utils/AlwaysInline.h"

namespace vrx {

// What Process works out of one tick's value before a behaviour runs.
struct SlotEvent {
    int value;
    bool justPressed;
    bool justReleased;
    // Worked out only for the behaviours that read them, not for keyboard
    // and mouse slots: how long the current press has lasted (0 while
    // released), and the ms from the previous press's start to this tick.
    int heldMs;
    int sincePrevious;
};

// Auto-repeat: decides whether this tick presses or releases the slot's
// output. Returns false when the output keeps its state this tick.
VRX_ALWAYS_INLINE bool AutoRepeatStep(JoyButton& r, const SlotEvent& e, TickContext& tick, bool& release, bool& press) {
    JoyButtonRuntime& rt = r.runtime;
    if (!r.autoRepeats()) {
        release = e.justReleased;
        press = e.justPressed;
        return true;
    }
    if (!e.justPressed) {
        if (e.value <= 0) {
            rt.repeatCountdown = 0;
            release = rt.keysDown;
            press = false;
            return true;
        }
        if (ticksToMs(tick.tickCount - rt.slotPressTick, tick.turboMode) < r.autoRepeatDelay) {
            rt.repeatCountdown = 0;
            return false;
        }
    }
    const int c = rt.repeatCountdown - 1;
    rt.repeatCountdown = c;
    if (c > 0) return false;
    // The output changes every half period: B ticks make 500 ms.
    const float ticksPerHalfSecond = static_cast<float>(500 << tick.turboMode) * 0.0625f;
    const float halfPeriod =
        r.autoRepeatRate > 0 ? ticksPerHalfSecond / r.autoRepeatRate : -r.autoRepeatRate * ticksPerHalfSecond;
    rt.repeatCountdown = static_cast<int>(halfPeriod + static_cast<float>(c));
    release = rt.keysDown;
    press = !rt.keysDown;
    return true;
}

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
