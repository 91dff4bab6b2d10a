#include <algorithm>

#include "EngineTypes/Ticks.h"
#include "Joybutton/Behaviours.h"
#include "Joybutton/KeyOutput.h"
#include "Joybutton/TickContext.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

int stepTicks(const JoyButton& r, int step, const TickContext& tick) {
    return msToTicks(r.commandSteps[static_cast<size_t>(step)].durationMs, tick.turboMode) + 1;
}

void logTransition(const JoyButton& r, const char* format, int from, int to, const KeyList4& list, int codes,
                   TickContext& tick) {
    if (codes == 4)
        VRX_DEBUGF(*tick.log, format, r.joystickIndex, r.slotIndex, from, to, list.codes[0], list.codes[1],
                   list.codes[2], list.codes[3]);
    else
        VRX_DEBUGF(*tick.log, format, r.joystickIndex, r.slotIndex, from, to, list.codes[0], list.codes[1],
                   list.codes[2]);
}

}  // namespace

// Each step is held for its duration plus one tick, then the next one takes
// over; keys both steps share stay down.
void ProcessCommand(JoyButton& r, bool justPressed, TickContext& tick) {
    JoyButtonRuntime& rt = r.runtime;
    const int steps = static_cast<int>(r.commandSteps.size());
    if (steps == 0) return;
    if (rt.inputIndex >= steps) {
        // The list was edited shorter while it ran.
        rt.inputIndex = 0;
        rt.holdCountdown = 0;
    }
    if (justPressed) {
        if (rt.holdCountdown > 0) {
            VRX_DEBUGF(*tick.log, "%d#button[%d]: Command: restart at step[%d]", r.joystickIndex, r.slotIndex,
                       rt.inputIndex + 1);
            rt.keysDown = false;
            ReleaseKeys(r, stepKeys(rt.inputIndex), tick);
        }
        rt.inputIndex = 0;
        PressKeyList(r, stepKeys(0), false, true, tick);
        rt.holdCountdown = stepTicks(r, 0, tick);
        return;
    }
    if (rt.holdCountdown >= 2) {
        --rt.holdCountdown;
        // Cursor and wheel codes keep moving through the step.
        PressKeyList(r, stepKeys(rt.inputIndex), false, false, tick);
    } else if (rt.holdCountdown == 1 && rt.inputIndex + 1 < steps) {
        const int from = rt.inputIndex;
        KeyTransition(r, stepKeys(from), stepKeys(from + 1), tick);
        logTransition(r, "%d#button[%d]: Command: step=[%d->%d]: release=%X,%X,%X,%X", from + 1, from + 2,
                      rt.releaseList, 4, tick);
        logTransition(r, "%d#button[%d]: Command: step=[%d->%d]: press=%X,%X,%X,%X", from + 1, from + 2, rt.pressList,
                      4, tick);
        ChangeKeys(r, tick);
        rt.inputIndex = from + 1;
        rt.holdCountdown = stepTicks(r, rt.inputIndex, tick);
    } else if (rt.holdCountdown == 1) {
        VRX_DEBUGF(*tick.log, "%d#button[%d]: Command: completed", r.joystickIndex, r.slotIndex);
        rt.keysDown = false;
        ReleaseKeys(r, stepKeys(rt.inputIndex), tick);
        rt.inputIndex = 0;
        rt.holdCountdown = 0;
    }
}

// Inputs 1 to 4 one after the other, each for the minimum hold time plus one tick.
void ProcessMultiSequence(JoyButton& r, const SlotEvent& e, TickContext& tick) {
    JoyButtonRuntime& rt = r.runtime;
    const int inputTicks = msToTicks(r.minimumHoldDuration, tick.turboMode) + 1;
    if (e.justPressed) {
        if (rt.keysDown) {
            rt.keysDown = false;
            ReleaseKeys(r, inputKeys(std::min(rt.inputIndex, 3)), tick);
        }
        rt.inputIndex = 0;
        rt.holdCountdown = inputTicks;
        PressKeyList(r, inputKeys(0), false, true, tick);
        return;
    }
    if (rt.holdCountdown >= 2) {
        --rt.holdCountdown;
        PressKeyList(r, inputKeys(rt.inputIndex), false, false, tick);
    } else if (rt.holdCountdown == 1 && rt.inputIndex >= 3) {
        PressKeyList(r, inputKeys(3), true, false, tick);
        rt.inputIndex = 4;
        rt.holdCountdown = 0;
    } else if (rt.holdCountdown == 1) {
        const int from = rt.inputIndex;
        KeyTransition(r, inputKeys(from), inputKeys(from + 1), tick);
        logTransition(r, "%d#button[%d]: Sequence: input=[%d->%d]: release=%X,%X,%X", from + 1, from + 2,
                      rt.releaseList, 3, tick);
        logTransition(r, "%d#button[%d]: Sequence: input=[%d->%d]: press=%X,%X,%X", from + 1, from + 2, rt.pressList,
                      3, tick);
        rt.holdCountdown = inputTicks;
        rt.inputIndex = from + 1;
        ChangeKeys(r, tick);
    }
}

void AbortSequence(JoyButton& r, TickContext& tick) {
    JoyButtonRuntime& rt = r.runtime;
    if (r.type == AssignType::KeyboardMulti && r.switchMode == SwitchMode::MultiSequence && rt.keysDown) {
        VRX_DEBUGF(*tick.log, "%d#button[%d]: force release sequence at Input[%d]", r.joystickIndex, r.slotIndex,
                   rt.inputIndex + 1);
        rt.keysDown = false;
        ReleaseKeys(r, inputKeys(std::min(rt.inputIndex, 3)), tick);
    } else if (r.type == AssignType::Command && rt.holdCountdown > 0 &&
               rt.inputIndex < static_cast<int>(r.commandSteps.size())) {
        VRX_DEBUGF(*tick.log, "%d#button[%d]: force release command at step[%d]", r.joystickIndex, r.slotIndex,
                   rt.inputIndex + 1);
        rt.keysDown = false;
        ReleaseKeys(r, stepKeys(rt.inputIndex), tick);
    }
    rt.inputIndex = 0;
    rt.holdCountdown = 0;
    rt.repeatCountdown = 0;
}

}  // namespace vrx
