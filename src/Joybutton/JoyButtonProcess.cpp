#include "Joybutton/JoyButtonProcess.h"

#include "Joybutton/JoyButton.h"
#include "Joybutton/TickContext.h"
#include "Joystick/Ticks.h"
#include "Utils/Logger.h"

namespace vrx {

int ToggleFilterSlow(JoyButton& b, int value, TickContext& tick) {
    JoyButtonRuntime& r = b.runtime;
    if (r.forcedState > 0) value = 1000;
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
    return r.toggleState ? 1000 : 0;
}

void Process(JoyButton& b, int value, TickContext& tick) {
    JoyButtonRuntime& r = b.runtime;
    r.abortRequested = false;

    const bool justPressed = value > 0 && !r.slotPressed;
    const bool justReleased = value <= 0 && r.slotPressed;
    r.slotPressed = value > 0;
    if (justPressed) {
        tick.log->debugf("%d#button[%d]: just pressed event (%d)", b.joystickIndex, b.slotIndex, value);
        r.slotPressTick = tick.tickCount;
    } else if (justReleased) {
        tick.log->debugf("%d#button[%d]: just released event (%d)", b.joystickIndex, b.slotIndex, value);
        r.slotReleaseTick = tick.tickCount;
    }
    const int heldMs = value > 0 ? ticksToMs(tick.tickCount - r.slotPressTick, tick.turboMode) : 0;

    switch (b.type) {
        case AssignType::ProfileSwitch:
            // Without a delay the switch waits for the release, so the button's
            // own release does not land in the new profile; with one it is asked
            // for on every tick the button stays held past it.
            if ((b.switchDelay == 0 && justReleased) || (b.switchDelay > 0 && heldMs > b.switchDelay))
                tick.pendingProfileSwitch = &b;
            break;
        default:
            break;
    }
}

void ForceRelease(JoyButton& b, TickContext& tick) {
    if (b.type == AssignType::ProfileSwitch) Process(b, 0, tick);
    b.runtime = JoyButtonRuntime{};
}

void HandOver(JoyButton& from, JoyButton& to) {
    const JoyButtonRuntime& f = from.runtime;
    JoyButtonRuntime& t = to.runtime;
    t.toggleState = f.toggleState;
    t.togglePrev = f.togglePrev;
    t.slotPressed = f.slotPressed;
    t.slotPressTick = f.slotPressTick;
    t.slotReleaseTick = f.slotReleaseTick;
    from.runtime = JoyButtonRuntime{};
}

}  // namespace vrx
