#include "Joystick/XInputPad.h"

#include "ConfigFileManager/ProfileSettings.h"
#include "Joystick/StickMapping.h"

namespace vrx {
namespace {

// The pad's buttons in button order; buttons 11 and 12 are the triggers.
constexpr uint16_t kButtonBits[10] = {xinput::kA,         xinput::kB,         xinput::kX,    xinput::kY,
                                      xinput::kLeftShoulder, xinput::kRightShoulder, xinput::kBack, xinput::kStart,
                                      xinput::kLeftThumb,  xinput::kRightThumb};
constexpr int kTriggerButtonThreshold = 30;
constexpr int kTriggerAxisThreshold = 55;

// 1000 × value / 32767 truncated toward zero; -32768 is a full deflection too.
int32_t scaleThumb(int16_t value) {
    return value == -32768 ? -kFullValue : static_cast<int32_t>(kFullValue * static_cast<int32_t>(value) / 32767);
}

int32_t full(bool on) { return on ? kFullValue : 0; }

int triggerDepth(uint8_t trigger) { return 5 * trigger - 275; }

void mapDpad(uint16_t bits, bool eightWay, SlotValues& slots) {
    const bool up = bits & xinput::kDpadUp, down = bits & xinput::kDpadDown;
    const bool left = bits & xinput::kDpadLeft, right = bits & xinput::kDpadRight;
    const int hat = kFirstPovSlot;
    if (!eightWay) {
        if (up) slots[hat + 0] = kFullValue;
        if (right) slots[hat + 2] = kFullValue;
        if (down) slots[hat + 4] = kFullValue;
        if (left) slots[hat + 6] = kFullValue;
        return;
    }
    // One direction at most: up wins over down, right over left.
    int direction = -1;
    if (up) direction = right ? 1 : left ? 7 : 0;
    else if (right) direction = down ? 3 : 2;
    else if (down) direction = left ? 5 : 4;
    else if (left) direction = 6;
    if (direction >= 0) slots[hat + direction] = kFullValue;
}

}  // namespace

void fillXInputSnapshot(const XInputPadState& pad, int deadZone, const ProfileSettings& profile,
                        std::span<int, 4> lastAxis, JoystickSnapshot& snapshot) {
    SlotValues& slots = snapshot.slotValue;
    for (int b = 0; b < 10; ++b) slots[buttonSlot(b)] = full(pad.buttons & kButtonBits[b]);
    slots[buttonSlot(10)] = full(pad.leftTrigger > kTriggerButtonThreshold);
    slots[buttonSlot(11)] = full(pad.rightTrigger > kTriggerButtonThreshold);
    slots[buttonSlot(12)] = full(pad.buttons & xinput::kGuide);

    AxisValues& axes = snapshot.axisValue;
    axes[0] = scaleThumb(pad.thumbLX);
    axes[1] = -scaleThumb(pad.thumbLY);
    axes[2] = scaleThumb(pad.thumbRX);
    axes[3] = -scaleThumb(pad.thumbRY);
    for (int stick = 0; stick < 2; ++stick) {
        int32_t pair[2] = {axes[2 * stick], axes[2 * stick + 1]};
        StickMapping(stick, pair, deadZone / 10, profile.stick(stick), slots);
        axes[2 * stick] = pair[0];
        axes[2 * stick + 1] = pair[1];
    }
    for (int i = 0; i < 4; ++i) {
        const int shown = axes[i] / 20;
        if (shown != lastAxis[i]) {
            lastAxis[i] = shown;
            snapshot.axisMoved = true;
        }
    }

    // The right trigger pulls axis 5 negative, the left one positive.
    if (pad.rightTrigger > kTriggerAxisThreshold) slots[axisSlot(4, false)] = triggerDepth(pad.rightTrigger);
    if (pad.leftTrigger > kTriggerAxisThreshold) slots[axisSlot(4, true)] = triggerDepth(pad.leftTrigger);
    mapDpad(pad.buttons, profile.usePOV8Way, slots);
}

}  // namespace vrx
