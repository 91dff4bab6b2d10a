#pragma once

#include <array>
#include <memory>

#include "ConfigFileManager/JoystickConfig.h"
#include "ConfigFileManager/ProfileSettings.h"
#include "Joystick/ButtonAlias.h"

namespace vrx {

// One profile in memory: its settings, its button alias table and the slot
// assignments of its logical joysticks.
class ConfigFile {
public:
    ConfigFile();  // a new profile with every default
    ConfigFile(const ConfigFile&) = delete;
    ConfigFile& operator=(const ConfigFile&) = delete;

    ProfileSettings settings;
    ButtonAliasTable buttonAlias;
    bool modified = true;

    int numberOfJoysticks() const { return settings.numberOfJoysticks; }
    int activeSlotCount() const { return vrx::activeSlotCount(settings.numberOfButtons); }

    // Joystick n exists for every n below the count; above it it may.
    JoystickConfig* joystick(int n) { return n >= 0 && n < kMaxJoysticks ? joysticks_[n].get() : nullptr; }
    const JoystickConfig* joystick(int n) const {
        return n >= 0 && n < kMaxJoysticks ? joysticks_[n].get() : nullptr;
    }

    // Creates the missing joysticks up to count (1 to 50); joysticks above a
    // smaller count are kept, so their assignments come back when it grows.
    void setNumberOfJoysticks(int count);

private:
    std::array<std::unique_ptr<JoystickConfig>, kMaxJoysticks> joysticks_;
};

}  // namespace vrx
