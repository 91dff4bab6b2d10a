#pragma once

#include <array>

namespace vrx {

// Eight axis indices, the device's axes in engine order.
using AxisMapping = std::array<int, 8>;

// What a new controller record starts from: the global AnalogDeadZone and
// DefaultAxisMapping, which the user may change while the program runs.
// The values here are those a missing key gives.
struct DeviceDefaults {
    int analogDeadZone = 1000;
    AxisMapping axisMapping = {-1, 0, 0, 0, 0, 0, 6, 7};
};

}  // namespace vrx
