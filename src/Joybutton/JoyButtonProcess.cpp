#include "Joybutton/JoyButtonProcess.h"

#include <algorithm>

#include "EngineTypes/SlotIndex.h"
#include "EngineTypes/Ticks.h"
#include "Joybutton/Behaviours.h"
#include "Joybutton/JoystickConfig.h"
#include "Joybutton/KeyOutput.h"
#include "Joybutton/KeyOutputInline.h"
#include "Joybutton/TickContext.h"
#include "Utils/Logger.h"
#include "Utils/Prefetch.h"

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
        VRX_DEBUGF(*tick.log, "%d#button[%d]: toggle changed to %d", b.joystickIndex, b.slotIndex,
                   r.toggleState ? 1 : 0);
    }
    r.togglePrev = value > 0;
    // Toggles belong to the window they were switched on in.
    if (tick.foregroundChanged) {
        if (r.toggleState)
            VRX_DEBUGF(*tick.log, "%d#button[%d]: toggle changed to 0 because the target window has changed",
                       b.joystickIndex, b.slotIndex);
        r.toggleState = r.togglePrev = false;
        return 0;
    }
    return r.toggleState ? kFullValue : 0;
}

int FilterInputSlow(JoyButton& b, int value, TickContext& tick) {
    int& ignore = b.runtime.ignoreCounter;
    if (ignore != 0) {
        if (value > 0) {
            value = 0;
            if (ignore > 0) --ignore;
        } else {
            VRX_DEBUGF(*tick.log, "Button[%d]: Button is released so input will take effect from now on", b.slotIndex);
            ignore = 0;
        }
    }
    return ToggleFilter(b, value, tick);
}

namespace {

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
        VRX_DEBUGF(*tick.log, "%d#button[%d]: requesting button[%d] to abort", r.joystickIndex, r.slotIndex, slot);
    }
}

bool isSequence(const JoyButton& r) {
    return r.type == AssignType::Command ||
           (r.type == AssignType::KeyboardMulti && r.switchMode == SwitchMode::MultiSequence);
}

void takeAbortRequest(JoyButton& b, TickContext& tick) {
    b.runtime.abortRequested = false;
    if (isSequence(b)) {
        VRX_DEBUGF(*tick.log, "%d#button[%d]: abort requested", b.joystickIndex, b.slotIndex);
        AbortSequence(b, tick);
    }
}

// The event comes by value to what runs out of line, so that the inline slot
// step keeps it in registers.
void logEdge(const JoyButton& b, SlotEvent e, TickContext& tick) {
    if (e.justPressed)
        tick.log->debugf("%d#button[%d]: just pressed event (%d)", b.joystickIndex, b.slotIndex, e.value);
    else if (e.justReleased)
        tick.log->debugf("%d#button[%d]: just released event (%d)", b.joystickIndex, b.slotIndex, e.value);
}

// The slot types that act on an edge or run a behaviour of their own.
void ProcessOther(JoyButton& b, SlotEvent e, TickContext& tick) {
    switch (b.type) {
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
}

// An auto-repeating or toggled slot lets go of what it triggers.
VRX_ALWAYS_INLINE bool abortsOnRelease(const JoyButton& b, const SlotEvent& e) {
    return b.triggersButtons && e.justReleased && (b.autoRepeats() || b.toggle != 0);
}

VRX_ALWAYS_INLINE void ProcessKeyboard(JoyButton& r, const SlotEvent& e, TickContext& tick, bool debug) {
    bool release = false, press = false;
    if (AutoRepeatStep(r, e, tick, release, press)) {
        if (r.singleKey != 0)
            inlined::pressSingleKey(r, release, press, tick, debug);
        else
            inlined::pressKeyList(r, inputKeys(0), release, press, tick, debug);
    }
    if (abortsOnRelease(r, e)) [[unlikely]]
        RequestAborts(r, tick);
}

VRX_ALWAYS_INLINE void ProcessMouse(JoyButton& r, const SlotEvent& e, TickContext& tick) {
    bool release = false, press = false;
    if (AutoRepeatStep(r, e, tick, release, press)) MouseOutput(r, e.value, press, release, tick);
}

// Keyboard and mouse slots, most of every profile, run inline; the others
// have a behaviour of their own. debug: whether Debug lines are written.
VRX_ALWAYS_INLINE void processSlot(JoyButton& b, int value, TickContext& tick, bool debug) {
    JoyButtonRuntime& r = b.runtime;
    if (r.abortRequested) [[unlikely]]
        takeAbortRequest(b, tick);

    const bool held = value > 0;
    const int previousPressTick = r.slotPressTick;
    SlotEvent e{value, held && !r.slotPressed, !held && r.slotPressed, 0, 0};
    r.slotPressed = held;
    if (e.justPressed)
        r.slotPressTick = tick.tickCount;
    else if (e.justReleased)
        r.slotReleaseTick = tick.tickCount;
    if (debug) [[unlikely]]
        logEdge(b, e, tick);

    if (b.type == AssignType::Keyboard) [[likely]] {
        ProcessKeyboard(b, e, tick, debug);
    } else if (b.type == AssignType::Mouse || b.type == AssignType::MouseAbsolute) {
        ProcessMouse(b, e, tick);
    } else {
        if (held) e.heldMs = ticksToMs(tick.tickCount - r.slotPressTick, tick.turboMode);
        e.sincePrevious = ticksToMs(tick.tickCount - previousPressTick, tick.turboMode);
        ProcessOther(b, e, tick);
        if (b.type == AssignType::KeyboardMulti && abortsOnRelease(b, e)) RequestAborts(b, tick);
    }
}

}  // namespace

void Process(JoyButton& b, int value, TickContext& tick) { processSlot(b, value, tick, tick.log->debugEnabled()); }

namespace {

// How many slots ahead the pass asks for a slot's first line and its keys:
// two 4 KB pages of slots. A tick follows the timer thread's wait, and where
// the kernel empties the TLB on every system call, each page's translation is
// looked up again; asked for this early, the lookup overlaps the slots before.
constexpr int kPrefetchAhead = 14;

// Slots that are let go run at once; held ones are noted for later.
struct PressedSlots {
    std::array<uint8_t, kSlotCount> slots;
    int count = 0;
};

VRX_ALWAYS_INLINE void runOrDefer(JoystickConfig& config, SlotValues& values, int j, PressedSlots& pressed,
                                  TickContext& tick, bool debug) {
    JoyButton& slot = config.slot(j);
    if (j + kPrefetchAhead < kSlotCount) {
        const JoyButton& ahead = config.slot(j + kPrefetchAhead);
        prefetch<PrefetchFor::Writing>(&ahead);
        prefetch(&ahead.keys);
    }
    if (slot.type == AssignType::None) return;
    if (values[j] <= 0)
        processSlot(slot, values[j], tick, debug);
    else
        pressed.slots[pressed.count++] = static_cast<uint8_t>(j);
}

VRX_ALWAYS_INLINE void runSlots(JoystickConfig& config, SlotValues& values, int activeSlots, int filteredSlots,
                                TickContext& tick, bool debug) {
    PressedSlots pressed;
    const int filtered = std::min(filteredSlots, activeSlots);
    for (int j = 0; j < filtered; ++j) runOrDefer(config, values, j, pressed, tick, debug);
    for (int j = filtered; j < activeSlots; ++j) {
        values[j] = FilterInput(config.slot(j), values[j], tick);
        runOrDefer(config, values, j, pressed, tick, debug);
    }
    for (int k = 0; k < pressed.count; ++k) {
        const int j = pressed.slots[k];
        processSlot(config.slot(j), values[j], tick, debug);
    }
}

}  // namespace

// The Debug flag is read once, and each setting gets a pass of its own.
void ProcessSlots(JoystickConfig& config, SlotValues& values, int activeSlots, int filteredSlots, TickContext& tick) {
    if (tick.log->debugEnabled())
        runSlots(config, values, activeSlots, filteredSlots, tick, true);
    else
        runSlots(config, values, activeSlots, filteredSlots, tick, false);
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
            VRX_DEBUGF(*tick.log, "%d#button[%d]: force release delayed-switch short input", b.joystickIndex,
                       b.slotIndex);
            ProcessKeyboardMulti(b, releaseNow(b, 1, tick), tick);
            r.holdCountdown = 0;
            releasedTick(b, tick);
        }
    } else {
        VRX_DEBUGF(*tick.log, "%d#button[%d]: force release event", b.joystickIndex, b.slotIndex);
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
