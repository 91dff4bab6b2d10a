#include "Joystick/DirectInputAxes.h"

namespace vrx {
namespace {

bool isSourceAxis(int axis) { return axis >= 0 && axis < kAxisCount; }

}  // namespace

AxisValues mapSourceAxes(const AxisValues& source, const AxisMapping& mapping) {
    AxisValues axes{};
    for (int i = 0; i < kAxisCount; ++i)
        if (isSourceAxis(mapping[i])) axes[i] = source[mapping[i]];
    return axes;
}

void trackAxisMoves(const AxisMapping& mapping, std::array<int, kAxisCount>& lastAxis, JoystickSnapshot& snapshot) {
    for (int i = 0; i < kAxisCount; ++i) {
        if (!isSourceAxis(mapping[i])) continue;
        const int shown = snapshot.axisValue[i] / 20;
        int& last = lastAxis[mapping[i]];
        if (shown != last) {
            last = shown;
            snapshot.axisMoved = true;
        }
    }
}

}  // namespace vrx
