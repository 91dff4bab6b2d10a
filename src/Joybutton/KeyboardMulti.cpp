#include "EngineTypes/Ticks.h"
#include "Joybutton/Behaviours.h"
#include "Joybutton/KeyOutput.h"
#include "Joybutton/TickContext.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

// Input n of a KeyboardMulti slot is keys 4n to 4n + 3 (n 0-based).
void refresh(JoyButton& r, HeldKeys list, TickContext& tick) { PressKeyList(r, list, false, false, tick); }

int cycleLength(SwitchMode mode) {
    switch (mode) {
        case SwitchMode::MultiSwitch2: return 2;
        case SwitchMode::MultiSwitch3: return 3;
        default: return 4;
    }
}

void multiSwitch(JoyButton& r, const SlotEvent& e, TickContext& tick) {
    JoyButtonRuntime& rt = r.runtime;
    bool release = false, press = false;
    if (!AutoRepeatStep(r, e, tick, release, press)) return;
    if (!press) {
        PressKeyList(r, rt.heldKeys, release, false, tick);
        return;
    }
    // After a pause the cycle starts over at input 1.
    const int sinceRelease = ticksToMs(tick.tickCount - rt.slotReleaseTick, tick.turboMode);
    if (r.counterResetDuration > 0 && sinceRelease > r.counterResetDuration) rt.inputIndex = 0;
    PressKeyList(r, inputKeys(rt.inputIndex), release, true, tick);
    rt.inputIndex = (rt.inputIndex + 1) % cycleLength(r.switchMode);
}

// Input 1 for a short press, given on release; input 2 once the press has
// lasted switchDelay, replaced by input 3 on its release.
void delayedSwitch(JoyButton& r, const SlotEvent& e, TickContext& tick) {
    JoyButtonRuntime& rt = r.runtime;
    if (e.justPressed && rt.keysDown) {
        // An input still held from the previous press is let go first, also
        // when this press reaches the delay at once (a delay of 0), where
        // input 2 would otherwise go down over a held input 3.
        PressKeyList(r, inputKeys(rt.inputIndex), true, false, tick);
    }
    if (e.value > 0) {
        rt.holdCountdown = 0;
        if (e.heldMs < r.switchDelay) {
            // An input still held from the previous press is let go at once.
            PressKeyList(r, inputKeys(rt.inputIndex), rt.keysDown, false, tick);
        } else {
            // inputIndex 2 marks a long press; input 2 is pressed once and held.
            rt.inputIndex = 2;
            PressKeyList(r, inputKeys(1), false, !rt.keysDown, tick);
        }
        return;
    }
    if (!e.justReleased) {
        if (rt.holdCountdown > 0) {
            --rt.holdCountdown;
            refresh(r, inputKeys(rt.inputIndex), tick);
        } else {
            PressKeyList(r, inputKeys(rt.inputIndex), rt.keysDown, false, tick);
        }
        return;
    }
    if (!rt.keysDown) {
        // The short press is held as long as the button was, plus the minimum.
        // The press length comes from the press tick: the value is already 0.
        const int pressMs = ticksToMs(tick.tickCount - rt.slotPressTick, tick.turboMode);
        rt.inputIndex = 0;
        rt.holdCountdown = msToTicks(pressMs + r.minimumHoldDuration, tick.turboMode);
        PressKeyList(r, inputKeys(0), false, true, tick);
    } else if (rt.inputIndex == 2) {
        KeyTransition(r, inputKeys(1), inputKeys(2), tick);
        const KeyList4& rel = rt.releaseList;
        const KeyList4& prs = rt.pressList;
        VRX_DEBUGF(*tick.log, "%d#button[%d]: DelayedSwitch: long press release = %X,%X,%X", r.joystickIndex,
                   r.slotIndex, rel.codes[0], rel.codes[1], rel.codes[2]);
        VRX_DEBUGF(*tick.log, "%d#button[%d]: DelayedSwitch: press (upon release) = %X,%X,%X", r.joystickIndex,
                   r.slotIndex, prs.codes[0], prs.codes[1], prs.codes[2]);
        ChangeKeys(r, tick);
        rt.holdCountdown = msToTicks(r.minimumHoldDuration, tick.turboMode);
    } else {
        rt.holdCountdown = 0;
        PressKeyList(r, rt.heldKeys, true, false, tick);
    }
}

// Input 2 while held; on release input 1 replaces it for a moment.
void releaseSwitch(JoyButton& r, const SlotEvent& e, TickContext& tick) {
    JoyButtonRuntime& rt = r.runtime;
    if (e.justPressed) {
        if (rt.holdCountdown >= 0 && rt.keysDown) {
            rt.holdCountdown = 0;
            rt.keysDown = false;
            ReleaseKeys(r, inputKeys(0), tick);
        }
        PressKeyList(r, inputKeys(1), false, true, tick);
    } else if (e.justReleased) {
        KeyTransition(r, inputKeys(1), inputKeys(0), tick);
        const KeyList4& rel = rt.releaseList;
        const KeyList4& prs = rt.pressList;
        VRX_DEBUGF(*tick.log, "%d#button[%d]: ReleaseSwitch: input=[%d->%d]: release=%X,%X,%X", r.joystickIndex,
                   r.slotIndex, 2, 1, rel.codes[0], rel.codes[1], rel.codes[2]);
        VRX_DEBUGF(*tick.log, "%d#button[%d]: ReleaseSwitch: input=[%d->%d]: press=%X,%X,%X", r.joystickIndex,
                   r.slotIndex, 2, 1, prs.codes[0], prs.codes[1], prs.codes[2]);
        ChangeKeys(r, tick);
        rt.holdCountdown = msToTicks(r.minimumHoldDuration, tick.turboMode);
    } else if (e.value > 0) {
        refresh(r, rt.heldKeys, tick);
    } else if (rt.holdCountdown > 0) {
        --rt.holdCountdown;
        refresh(r, inputKeys(0), tick);
    } else {
        PressKeyList(r, inputKeys(0), rt.keysDown, false, tick);
    }
}

// Input n for the n-th of presses that follow each other within switchDelay,
// chosen once no further press has come in time.
void repeatSwitch(JoyButton& r, const SlotEvent& e, TickContext& tick) {
    JoyButtonRuntime& rt = r.runtime;
    if (e.justPressed) {
        rt.inputIndex = e.sincePrevious <= r.switchDelay ? (rt.inputIndex + 1) % 4 : 0;
        rt.holdCountdown = msToTicks(r.switchDelay, tick.turboMode) + 1;
        return;
    }
    if (e.value <= 0) {
        if (!rt.keysDown) {
            if (rt.holdCountdown > 0 && e.sincePrevious > r.switchDelay) {
                --rt.holdCountdown;
                PressKeyList(r, inputKeys(rt.inputIndex), false, true, tick);
            }
        } else if (rt.holdCountdown > 0) {
            --rt.holdCountdown;
        } else {
            PressKeyList(r, rt.heldKeys, true, false, tick);
        }
        return;
    }
    if (e.heldMs <= r.switchDelay) return;
    // A long hold emits the current choice at once and keeps it while held.
    if (rt.holdCountdown > 0) --rt.holdCountdown;
    if (!rt.keysDown) PressKeyList(r, inputKeys(rt.inputIndex), false, true, tick);
}

}  // namespace

void ProcessKeyboardMulti(JoyButton& r, const SlotEvent& e, TickContext& tick) {
    switch (r.switchMode) {
        case SwitchMode::MultiSwitch2:
        case SwitchMode::MultiSwitch3:
        case SwitchMode::MultiSwitch4:
            multiSwitch(r, e, tick);
            break;
        case SwitchMode::DelayedSwitch:
            delayedSwitch(r, e, tick);
            break;
        case SwitchMode::ReleaseSwitch:
            releaseSwitch(r, e, tick);
            break;
        case SwitchMode::RepeatSwitch:
            repeatSwitch(r, e, tick);
            break;
        case SwitchMode::AnalogSwitch:
            ProcessAnalogSwitch(r, e, tick);
            break;
        case SwitchMode::MultiSequence:
            ProcessMultiSequence(r, e, tick);
            break;
        default:
            // A mode the program does not know switches nothing.
            break;
    }
}

void ProcessAnalogSwitch(JoyButton& r, const SlotEvent& e, TickContext& tick) {
    JoyButtonRuntime& rt = r.runtime;
    const auto first3 = [&](int input) {
        return std::array<KeyCode, 3>{r.keys[4 * input], r.keys[4 * input + 1], r.keys[4 * input + 2]};
    };
    if (e.value > 0) {
        const int t1 = r.analogThreshold1 * 10;
        const int t2 = r.analogThreshold2 * 10;
        const int target = e.value <= t1 ? 0 : e.value <= t2 ? 1 : 2;
        VRX_DEBUGF(*tick.log, "%d#button[%d]: AnalogSwitch: value=%d, targetInput=%d", r.joystickIndex, r.slotIndex,
                   e.value, target + 1);
        if (e.justPressed) {
            const auto k = first3(target);
            VRX_DEBUGF(*tick.log, "%d#button[%d]: AnalogSwitch: input=[None->%d]: justPressed=%X,%X,%X",
                       r.joystickIndex, r.slotIndex, target + 1, k[0], k[1], k[2]);
            rt.inputIndex = target;
            PressKeyList(r, inputKeys(target), false, true, tick);
        } else if (target == rt.inputIndex) {
            refresh(r, inputKeys(target), tick);
        } else {
            KeyTransition(r, inputKeys(rt.inputIndex), inputKeys(target), tick);
            const KeyList4& rel = rt.releaseList;
            const KeyList4& prs = rt.pressList;
            VRX_DEBUGF(*tick.log, "%d#button[%d]: AnalogSwitch: input=[%d->%d]: release=%X,%X,%X, press=%X,%X,%X",
                       r.joystickIndex, r.slotIndex, rt.inputIndex + 1, target + 1, rel.codes[0], rel.codes[1],
                       rel.codes[2], prs.codes[0], prs.codes[1], prs.codes[2]);
            rt.inputIndex = target;
            ChangeKeys(r, tick);
        }
    } else if (e.justReleased) {
        const auto k = first3(rt.inputIndex);
        VRX_DEBUGF(*tick.log, "%d#button[%d]: AnalogSwitch: value=%d, targetInput=None", r.joystickIndex, r.slotIndex,
                   e.value);
        VRX_DEBUGF(*tick.log, "%d#button[%d]: AnalogSwitch: input=[%d->None]: justReleased=%X,%X,%X", r.joystickIndex,
                   r.slotIndex, rt.inputIndex + 1, k[0], k[1], k[2]);
        PressKeyList(r, inputKeys(rt.inputIndex), true, false, tick);
        rt.inputIndex = 0;
    }
}

}  // namespace vrx
