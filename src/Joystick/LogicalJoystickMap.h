#pragma once

#include <array>

#include "EngineTypes/SlotIndex.h"

namespace vrx {

// Which detected device feeds each logical joystick; -1 for none. Detection
// fills it.
class LogicalJoystickMap {
public:
    LogicalJoystickMap() { entries_.fill(-1); }

    void clear() { entries_.fill(-1); }
    void set(int joystick, int device) {
        if (joystick >= 0 && joystick < kMaxJoysticks) entries_[joystick] = device;
    }
    int entry(int joystick) const { return joystick >= 0 && joystick < kMaxJoysticks ? entries_[joystick] : -1; }

    // The device of a joystick, or -1 when the entry names no detected device.
    int deviceFor(int joystick, int deviceCount) const {
        const int device = entry(joystick);
        return device >= 0 && device < deviceCount ? device : -1;
    }

private:
    std::array<int, kMaxJoysticks> entries_;
};

}  // namespace vrx
