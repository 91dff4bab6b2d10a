#include "Joystick/ShiftRules.h"

#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ConfigFile.h"
#include "EngineTypes/Ticks.h"
#include "Joybutton/JoyButtonProcess.h"
#include "Joybutton/TickContext.h"
#include "Joystick/PressedState.h"
#include "Joystick/SlotKinds.h"
#include "Utils/Logger.h"

namespace vrx {

void applyProfileSwitchInputRule(JoystickConfig& config, const SlotValues& out, int activeSlots,
                                 const EngineSettings& settings, Logger& log) {
    const int mode = settings.ignoreInputAfterProfileSwitch;
    if (mode == 0) {
        // The new slots have never seen the held buttons, so they count as new presses.
        log.debug("Profile is changed - already pressed buttons are immediately effective");
        return;
    }
    if (mode < 0)
        log.debug("Profile is changed - already pressed buttons are ignored until they're released once");
    else
        log.debug("Profile is changed - already pressed buttons are ignored for the specified time");
    const int ticks = ignoreTicks(mode, settings.turboMode);
    for (int i = 0; i < activeSlots; ++i) {
        JoyButton& slot = config.slot(i);
        slot.runtime.ignoreCounter = 0;
        if (ticks != 0 && out[i] > 0) {
            VRX_DEBUGF(log, "Button[%d]: Input will be ignored for %d", i, ticks);
            slot.runtime.ignoreCounter = ticks;
        }
    }
}

namespace {

// The first held JoystickShift slot whose delay has passed, or -1.
int heldShiftTarget(const JoystickConfig& config, int joystick, const SlotValues& out, int activeSlots,
                    int numberOfJoysticks, const PressedStateMemory& pressed, const TickContext& tick) {
    for (int i = 0; i < activeSlots; ++i) {
        const JoyButton& slot = config.slot(i);
        if (out[i] <= 0 || slot.type != AssignType::JoystickShift || slot.runtime.ignoreCounter != 0) continue;
        const int heldMs = ticksToMs(tick.tickCount - pressed.pressTick[joystick][i], tick.turboMode);
        if (heldMs < slot.switchDelay) continue;
        if (slot.shiftTarget < 0 || slot.shiftTarget >= numberOfJoysticks) continue;
        return slot.shiftTarget;
    }
    return -1;
}

}  // namespace

JoystickConfig& resolveShift(ConfigFile& profile, int joystick, const SlotValues& out,
                             const PressedStateMemory& pressed, std::array<bool, kMaxJoysticks>& processed,
                             SlotKindCache& kinds, TickContext& tick) {
    JoystickConfig* target = profile.joystick(joystick);
    const int activeSlots = profile.activeSlotCount();
    for (;;) {
        if (!kinds.kindsOf(*target).shifts) return *target;
        const int next =
            heldShiftTarget(*target, joystick, out, activeSlots, profile.numberOfJoysticks(), pressed, tick);
        // A joystick already processed in this tick ends the chain, which also
        // stops a shift onto itself or back to where it came from.
        if (next < 0 || processed[next]) return *target;
        target = profile.joystick(next);
        processed[next] = true;
    }
}

void applyShiftChange(JoystickConfig& from, JoystickConfig& to, int joystick, const SlotValues& out,
                      int activeSlots, const EngineSettings& settings, TickContext& tick) {
    Logger& log = *tick.log;
    const int ticks = ignoreTicks(settings.ignoreInputAfterShiftSwitch, settings.turboMode);
    const bool takesOver = to.index() != joystick;
    if (takesOver)
        VRX_DEBUGF(log, "Switching PhysicalDevice[%d] temporarily to pJoystick[%d]", joystick, to.index());
    else
        VRX_DEBUGF(log, "Switching PhysicalDevice[%d] back to pJoystick[%d]", joystick, joystick);
    for (int i = 0; i < activeSlots; ++i) {
        JoyButton& oldSlot = from.slot(i);
        JoyButton& newSlot = to.slot(i);
        // The target's own device goes unheard while the shift lasts; what it
        // holds there is let go now, or its release would never come.
        if (takesOver) ForceRelease(newSlot, tick);
        if (oldSlot.sameOutput(newSlot)) {
            if (out[i] > 0) VRX_DEBUGF(log, "Button[%d]: The same effect => Hand over input", i);
            HandOver(oldSlot, newSlot);
            newSlot.runtime.ignoreCounter = 0;
            continue;
        }
        ForceRelease(oldSlot, tick);
        newSlot.runtime.ignoreCounter = 0;
        if (out[i] > 0) {
            VRX_DEBUGF(log, "Button[%d]: Different effect => Released input effect", i);
            if (ticks != 0) {
                VRX_DEBUGF(log, "Button[%d]: Input will be ignored for %d", i, ticks);
                newSlot.runtime.ignoreCounter = ticks;
            }
        }
    }
}

}  // namespace vrx
