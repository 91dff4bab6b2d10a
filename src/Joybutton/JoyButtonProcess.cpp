#include "Joybutton/JoyButtonProcess.h"

#include "ConfigFileManager/JoystickConfig.h"
#include "Joybutton/Behaviours.h"
#include "Joybutton/KeyOutput.h"
#include "Joybutton/TickContext.h"
#include "Joystick/SlotIndex.h"
#include "Joystick/Ticks.h"
#include "Utils/Logger.h"

namespace vrx {

int ToggleFilterSlow(JoyButton& b, int value, TickContext& tick) {
    JoyButtonRuntime& r = b.runtime;
    if (r.forcedState > 0) value = kFullValue;
    if (r.forcedState == 0) value = 0;
    if (b.toggle == 0) {
        r.toggleState = r.togglePrev = false;
        return value;
    }
    if (value > 0 && !r.togglePrev) {
        r.toggleState = !r.toggleState;
        tick.log->debugf("%d#button[%d]: toggle changed to %d", b.joystickIndex, b.slotIndex, r.toggleState ? 1 : 0);
    }
    r.togglePrev = value > 0;
    // Toggles belong to the window they were switched on in.
    if (tick.foregroundChanged) {
        if (r.toggleState)
            tick.log->debugf("%d#button[%d]: toggle changed to 0 because the target window has changed",
                             b.joystickIndex, b.slotIndex);
        r.toggleState = r.togglePrev = false;
        return 0;
    }
    return r.toggleState ? kFullValue : 0;
}

bool AutoRepeatStep(JoyButton& r, const SlotEvent& e, TickContext& tick, bool& release, bool& press) {
    JoyButtonRuntime& rt = r.runtime;
    if (r.autoRepeatRate == 0.0f) {
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
        if (e.heldMs < r.autoRepeatDelay) {
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

namespace {

void ProcessKeyboard(JoyButton& r, const SlotEvent& e, TickContext& tick) {
    bool release = false, press = false;
    if (!AutoRepeatStep(r, e, tick, release, press)) return;
    if (r.type == AssignType::Keyboard)
        PressKeyList(r, inputKeys(0), release, press, tick);
    else
        MouseOutput(r, e.value, press, release, tick);
}

// An auto-repeating or toggled slot that triggers a Command or sequence slot
// stops it when let go.
void RequestAborts(JoyButton& r, TickContext& tick) {
    if (!r.owner) return;
    const int count = r.type == AssignType::Keyboard ? 4 : JoyButton::kKeyCount;
    for (int i = 0; i < count; ++i) {
        if (!isTrigger(r.keys[i]) || keyValue(r.keys[i]) >= kButtonCount) continue;
        const SlotIndex slot = buttonSlot(static_cast<int>(keyValue(r.keys[i])));
        if (slot == r.slotIndex) continue;
        r.owner->slot(slot).runtime.abortRequested = true;
        tick.log->debugf("%d#button[%d]: requesting button[%d] to abort", r.joystickIndex, r.slotIndex, slot);
    }
}

bool isSequence(const JoyButton& r) {
    return r.type == AssignType::Command ||
           (r.type == AssignType::KeyboardMulti && r.switchMode == SwitchMode::MultiSequence);
}

}  // namespace

void Process(JoyButton& b, int value, TickContext& tick) {
    JoyButtonRuntime& r = b.runtime;
    if (r.abortRequested) {
        r.abortRequested = false;
        if (isSequence(b)) {
            tick.log->debugf("%d#button[%d]: abort requested", b.joystickIndex, b.slotIndex);
            AbortSequence(b, tick);
        }
    }

    SlotEvent e{value, value > 0 && !r.slotPressed, value <= 0 && r.slotPressed, 0, 0};
    r.slotPressed = value > 0;
    e.sincePrevious = ticksToMs(tick.tickCount - r.slotPressTick, tick.turboMode);
    if (e.justPressed) {
        tick.log->debugf("%d#button[%d]: just pressed event (%d)", b.joystickIndex, b.slotIndex, value);
        r.slotPressTick = tick.tickCount;
    } else if (e.justReleased) {
        tick.log->debugf("%d#button[%d]: just released event (%d)", b.joystickIndex, b.slotIndex, value);
        r.slotReleaseTick = tick.tickCount;
    }
    if (value > 0) e.heldMs = ticksToMs(tick.tickCount - r.slotPressTick, tick.turboMode);

    switch (b.type) {
        case AssignType::Keyboard:
        case AssignType::Mouse:
        case AssignType::MouseAbsolute:
            ProcessKeyboard(b, e, tick);
            break;
        case AssignType::Command:
            ProcessCommand(b, e.justPressed, tick);
            break;
        case AssignType::ProfileSwitch:
            // Without a delay the switch waits for the release, so the button's
            // own release does not land in the new profile; with one it is asked
            // for on every tick the button stays held past it.
            if ((b.switchDelay == 0 && e.justReleased) || (b.switchDelay > 0 && e.heldMs > b.switchDelay))
                tick.pendingProfileSwitch = &b;
            break;
        case AssignType::KeyboardMulti:
            ProcessKeyboardMulti(b, e, tick);
            break;
        case AssignType::LaunchProgram:
            if (e.justPressed) LaunchProgram(b, tick);
            break;
        case AssignType::PasteText:
            if (e.justPressed) PasteText(b, tick);
            break;
        default:
            break;
    }

    if (e.justReleased && (b.autoRepeatRate != 0.0f || b.toggle != 0) &&
        (b.type == AssignType::Keyboard || b.type == AssignType::KeyboardMulti))
        RequestAborts(b, tick);
}

namespace {

// The plain key release of whatever list the slot holds.
void releaseHeld(JoyButton& r, TickContext& tick) {
    r.runtime.keysDown = false;
    ReleaseKeys(r, r.runtime.heldKeys, tick);
}

void releasedTick(JoyButton& r, TickContext& tick) {
    ProcessKeyboardMulti(r, SlotEvent{0, false, false, 0, 0}, tick);
}

SlotEvent releaseNow(const JoyButton& r, int heldMs, TickContext& tick) {
    const int sincePress = ticksToMs(tick.tickCount - r.runtime.slotPressTick, tick.turboMode);
    return SlotEvent{0, false, true, heldMs, sincePress};
}

void releaseKeyboardMulti(JoyButton& r, TickContext& tick) {
    const int sincePress = ticksToMs(tick.tickCount - r.runtime.slotPressTick, tick.turboMode);
    switch (r.switchMode) {
        case SwitchMode::DelayedSwitch:
        case SwitchMode::ReleaseSwitch:
            if (r.runtime.slotPressed) {
                releaseHeld(r, tick);
            } else {
                r.runtime.holdCountdown = 0;
                releasedTick(r, tick);
            }
            break;
        case SwitchMode::AnalogSwitch:
            ProcessKeyboardMulti(r, releaseNow(r, sincePress, tick), tick);
            break;
        case SwitchMode::MultiSequence:
            AbortSequence(r, tick);
            break;
        default:
            releaseHeld(r, tick);
            break;
    }
}

}  // namespace

void ForceRelease(JoyButton& b, TickContext& tick) {
    countSlotChange();
    JoyButtonRuntime& r = b.runtime;
    if (b.type == AssignType::Command) {
        AbortSequence(b, tick);
    } else if (!r.keysDown) {
        // A short press of a delayed switch has not emitted anything yet; it
        // is delivered as a tap rather than lost.
        if (b.type == AssignType::KeyboardMulti && b.switchMode == SwitchMode::DelayedSwitch && r.slotPressed) {
            tick.log->debugf("%d#button[%d]: force release delayed-switch short input", b.joystickIndex,
                             b.slotIndex);
            ProcessKeyboardMulti(b, releaseNow(b, 1, tick), tick);
            r.holdCountdown = 0;
            releasedTick(b, tick);
        }
    } else {
        tick.log->debugf("%d#button[%d]: force release event", b.joystickIndex, b.slotIndex);
        switch (b.type) {
            case AssignType::Keyboard:
                releaseHeld(b, tick);
                break;
            case AssignType::Mouse:
            case AssignType::MouseAbsolute:
                MouseOutput(b, 0, false, true, tick);
                break;
            case AssignType::KeyboardMulti:
                releaseKeyboardMulti(b, tick);
                break;
            default:
                break;
        }
    }
    r = JoyButtonRuntime{};
}

void HandOver(JoyButton& from, JoyButton& to) {
    countSlotChange();
    const JoyButtonRuntime& f = from.runtime;
    JoyButtonRuntime& t = to.runtime;
    t.toggleState = f.toggleState;
    t.togglePrev = f.togglePrev;
    t.slotPressed = f.slotPressed;
    t.keysDown = f.keysDown;
    // The held list names the receiving slot's own keys, which are the same
    // by the time a hand-over happens; a press list is carried along with it.
    t.heldKeys = f.heldKeys;
    t.pressList = f.pressList;
    t.releaseList = f.releaseList;
    t.slotPressTick = f.slotPressTick;
    t.slotReleaseTick = f.slotReleaseTick;
    t.mouseRemainderX = f.mouseRemainderX;
    t.mouseRemainderY = f.mouseRemainderY;
    t.wheelAccumulator = f.wheelAccumulator;
    t.hwheelAccumulator = f.hwheelAccumulator;
    t.inputIndex = f.inputIndex;
    t.holdCountdown = f.holdCountdown;
    from.runtime = JoyButtonRuntime{};
}

}  // namespace vrx
