#pragma once

#include "EngineTypes/JoystickSnapshot.h"

namespace vrx {

class JoystickConfig;
struct EngineSettings;
struct TickContext;

// Shapes one joystick's analog values before its slots run: the speed factor
// of held Mouse slots, absolute cursor placement, stick acceleration and the
// levelling of analog-switch sticks. The speed factor and the cursor
// placement look at every slot, which only scalesAnalog configurations need.
void PrepareAnalog(JoystickConfig& config, SlotValues& out, const AxisValues& axes, int activeSlots,
                   bool scalesAnalog, const EngineSettings& settings, TickContext& tick);

// A float slot value back on the integer scale, truncated toward zero; values
// past any sane range (an absurd speed factor, a non-finite acceleration)
// stop at a bound instead of overflowing.
int slotValueFromFloat(float value);

}  // namespace vrx
