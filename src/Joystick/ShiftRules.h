#pragma once

#include <array>

#include "EngineTypes/JoystickSnapshot.h"

namespace vrx {

class ConfigFile;
class JoystickConfig;
class Logger;
struct EngineSettings;
struct PressedStateMemory;
class SlotKindCache;
struct TickContext;

// Held buttons meet the slots of a profile that has just come into force:
// they act at once, or are ignored for a while or until released once.
void applyProfileSwitchInputRule(JoystickConfig& config, const SlotValues& out, int activeSlots,
                                 const EngineSettings& settings, Logger& log);

// Follows held JoystickShift slots from joystick n's own configuration to the
// one that receives its input in this tick, marking every configuration it
// enters as processed. Configurations without such slots end the search at once.
JoystickConfig& resolveShift(ConfigFile& profile, int joystick, const SlotValues& out,
                             const PressedStateMemory& pressed, std::array<bool, kMaxJoysticks>& processed,
                             SlotKindCache& kinds, TickContext& tick);

// The input moves from configuration from to configuration to: slots with the
// same output hand their held state over, the others are released and may be
// ignored until let go.
void applyShiftChange(JoystickConfig& from, JoystickConfig& to, int joystick, const SlotValues& out,
                      int activeSlots, const EngineSettings& settings, TickContext& tick);

}  // namespace vrx
