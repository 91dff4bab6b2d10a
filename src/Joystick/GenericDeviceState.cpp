#include "Joystick/GenericDeviceState.h"

#include <algorithm>

#include "ConfigFileManager/ProfileSettings.h"
#include "Joystick/StickMapping.h"

namespace vrx {

void fillSnapshot(const GenericDeviceState& state, int deadZone, const ProfileSettings& profile,
                  JoystickSnapshot& snapshot) {
    snapshot.axisValue = state.axes;
    // The stored dead zone is in tenths of the slot scale's units.
    const int zone = deadZone / 10;
    for (int stick = 0; stick < 2; ++stick) {
        int32_t pair[2] = {snapshot.axisValue[2 * stick], snapshot.axisValue[2 * stick + 1]};
        StickMapping(stick, pair, zone, profile.stick(stick), snapshot.slotValue);
        snapshot.axisValue[2 * stick] = pair[0];
        snapshot.axisValue[2 * stick + 1] = pair[1];
    }
    for (int axis = 5; axis <= kAxisCount; ++axis)
        ExtraAxisMapping(snapshot.axisValue[axis - 1], axis, profile.threshold, snapshot.slotValue);
    for (int pov = 0; pov < kPovCount; ++pov) PovMapping(pov, state.povs[pov], profile.usePOV8Way, snapshot.slotValue);
    const int buttons = std::clamp(profile.numberOfButtons, 0, kButtonCount);
    for (int b = 0; b < buttons; ++b)
        if (state.buttons[b]) ButtonMapping(b, true, buttons, snapshot.slotValue);
}

}  // namespace vrx
