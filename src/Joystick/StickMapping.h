#pragma once

#include <cstdint>

#include "ConfigFileManager/ProfileSettings.h"
#include "EngineTypes/JoystickSnapshot.h"

namespace vrx {

// Turns one stick's axis pair into direction (or diagonal) slot values.
// stick is 0 or 1; axes holds (x, y) and may be rescaled in place for analog
// use; deadZone is the device's dead zone on the 0..1000 scale.
void StickMapping(int stick, int32_t (&axes)[2], int deadZone, const StickSettings& settings,
                  SlotValues& slots);

// Axes 5 to 8 (axisNumber 5..8) press their direction slots past the threshold.
void ExtraAxisMapping(int32_t value, int axisNumber, int threshold, SlotValues& slots);

// A hat angle in hundredths of a degree clockwise from up; anything outside
// 0..36000 is centred.
void PovMapping(int pov, uint32_t angle, bool eightWay, SlotValues& slots);

// Button b (0-based) is written only when it is below numberOfButtons. Back
// ends call it for every button of every poll, so it is inline.
inline void ButtonMapping(int button, bool pressed, int numberOfButtons, SlotValues& slots) {
    if (!pressed || button < 0 || button >= numberOfButtons || button >= kButtonCount) return;
    slots[buttonSlot(button)] = kFullValue;
}

}  // namespace vrx
