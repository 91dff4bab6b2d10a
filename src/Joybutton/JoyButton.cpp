#include "Joybutton/JoyButton.h"

#include <algorithm>
#include <atomic>

#include "Joybutton/KeyOutput.h"
#include "Joybutton/ScanCodes.h"
#include "Utils/KeyboardLayout.h"

namespace vrx {

namespace {

// Relaxed: the user interface changes slots under the engine lock, which
// orders these counts with the tick that reads them.
std::atomic<unsigned> slotChanges{0};

// Where a slot lives stays with it whatever assignment it is given.
struct SlotIdentity {
    explicit SlotIdentity(const JoyButton& b) : joystick(b.joystickIndex), slot(b.slotIndex), owner(b.owner) {}
    void restore(JoyButton& b) const {
        b.joystickIndex = joystick;
        b.slotIndex = slot;
        b.owner = owner;
    }
    int16_t joystick;
    int16_t slot;
    JoystickConfig* owner;
};

}  // namespace

unsigned slotChangeCount() { return slotChanges.load(std::memory_order_relaxed); }
void countSlotChange() { slotChanges.fetch_add(1, std::memory_order_relaxed); }

void JoyButton::reset() {
    countSlotChange();
    // Copied from one default slot rather than moved from a new one: a copy
    // keeps this slot's text buffers for the line that a load reads next.
    // Prepared, so a slot left unassigned needs no preparing of its own.
    static const JoyButton defaults = [] {
        JoyButton b;
        b.prepare();
        return b;
    }();
    const SlotIdentity identity(*this);
    *this = defaults;
    identity.restore(*this);
}

void JoyButton::copyFrom(const JoyButton& other) {
    if (this == &other) return;
    const SlotIdentity identity(*this);
    *this = other;
    runtime = JoyButtonRuntime{};
    identity.restore(*this);
    prepare();
}

bool JoyButton::sameOutput(const JoyButton& other) const {
    if (type != other.type) return false;
    switch (type) {
        case AssignType::Keyboard:
            return std::equal(keys.begin(), keys.begin() + 4, other.keys.begin());
        case AssignType::Mouse:
            return mouseLeft == other.mouseLeft && mouseMiddle == other.mouseMiddle && mouseRight == other.mouseRight &&
                   mouseButton4 == other.mouseButton4 && mouseButton5 == other.mouseButton5;
        case AssignType::KeyboardMulti:
            return switchMode == other.switchMode && keys == other.keys;
        default:
            return false;
    }
}

void JoyButton::prepare() {
    countSlotChange();
    const KeyboardLayout& layout = systemKeyboardLayout();
    for (int i = 0; i < kKeyCount; ++i) scanCodes[i] = scanCodeFor(keys[i], layout);
    for (auto& step : commandSteps)
        for (int i = 0; i < 4; ++i) step.scanCodes[i] = scanCodeFor(step.keys[i], layout);
    singleKey = keys[1] == 0 && keys[2] == 0 && keys[3] == 0 && keys[0] <= 0x3FF ? static_cast<uint16_t>(keys[0]) : 0;
    refreshesHeldKeys = std::any_of(keys.begin(), keys.begin() + 4, isRefreshable);
    triggersButtons = std::any_of(keys.begin(), keys.end(), isTrigger) ||
                      std::any_of(commandSteps.begin(), commandSteps.end(), [](const CommandStep& step) {
                          return std::any_of(step.keys.begin(), step.keys.end(), isTrigger);
                      });
    // A shift to a negative joystick cannot work; the slot is treated as unassigned.
    if (shiftTarget < 0) {
        type = AssignType::None;
        shiftTarget = 0;
    }
}

bool JoyButton::sameConfiguration(const JoyButton& o) const {
    return type == o.type && toggle == o.toggle && autoRepeatRate == o.autoRepeatRate &&
           autoRepeatDelay == o.autoRepeatDelay && keys == o.keys && switchMode == o.switchMode &&
           counterResetDuration == o.counterResetDuration && switchDelay == o.switchDelay &&
           minimumHoldDuration == o.minimumHoldDuration && analogThreshold1 == o.analogThreshold1 &&
           analogThreshold2 == o.analogThreshold2 && mouseMoveX == o.mouseMoveX && mouseMoveY == o.mouseMoveY &&
           mouseWheelH == o.mouseWheelH && mouseWheelV == o.mouseWheelV && mouseLeft == o.mouseLeft &&
           mouseMiddle == o.mouseMiddle && mouseRight == o.mouseRight && mouseButton4 == o.mouseButton4 &&
           mouseButton5 == o.mouseButton5 && accelerationFactor == o.accelerationFactor &&
           analogFactor == o.analogFactor && mouseCenterX == o.mouseCenterX && mouseCenterY == o.mouseCenterY &&
           mouseAbsRangeX == o.mouseAbsRangeX && mouseAbsRangeY == o.mouseAbsRangeY &&
           commandSteps == o.commandSteps && shiftTarget == o.shiftTarget && targetName == o.targetName &&
           programParameters == o.programParameters && programStartFrom == o.programStartFrom &&
           pasteText == o.pasteText && comment == o.comment;
}

}  // namespace vrx
