#pragma once

#include <array>

#include "EngineTypes/SlotIndex.h"

namespace vrx {

class ConfigFile;
class TimerControl;
struct TickContext;

// Button presses that another program sends by window message, delivered to
// the button slots of one logical joystick as if a controller made them.
class VirtualButtonInput {
public:
    int targetJoystick() const { return targetJoystick_; }
    int suppressedJoystick() const { return suppressedJoystick_; }

    // Neither index is checked here; the tick ignores one outside the profile.
    // The old target's slots are released first, so nothing it held stays down.
    void attach(int suppressed, int target, ConfigFile* profile, TimerControl& timer, TickContext& tick);

    void press(int button) {
        if (button >= 0 && button < kButtonCount) pressed_[button] = true;
    }
    void release(int button) {
        if (button >= 0 && button < kButtonCount) pressed_[button] = false;
    }
    bool query(int button) const { return button >= 0 && button < kButtonCount && pressed_[button]; }
    void clearButtons() { pressed_.fill(false); }

private:
    int targetJoystick_ = -1;
    int suppressedJoystick_ = -1;
    std::array<bool, kButtonCount> pressed_{};
};

}  // namespace vrx
