#pragma once

#include <array>

#include "AppInfo/GlobalSettings.h"
#include "EngineTypes/JoystickSnapshot.h"

namespace vrx {

// The axis rules of DirectInput devices, which HID devices follow too.

// The engine's axes of a device: engine axis i reads source axis
// mapping[i]. A mapping outside 0..7 (only a hand-edited ini file holds
// one) reads as a centred axis rather than outside the state.
AxisValues mapSourceAxes(const AxisValues& source, const AxisMapping& mapping);

// The device dialog shows each source axis at 1/20 of its position, so
// lastAxis is indexed by source axis; a change sets axisMoved.
void trackAxisMoves(const AxisMapping& mapping, std::array<int, kAxisCount>& lastAxis, JoystickSnapshot& snapshot);

}  // namespace vrx
