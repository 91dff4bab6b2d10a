#include "ConfigFileManager/ConfigFile.h"

#include <algorithm>

namespace vrx {

ConfigFile::ConfigFile() { setNumberOfJoysticks(settings.numberOfJoysticks); }

ConfigFile::ConfigFile(const std::filesystem::path& path, Logger& log, const AnsiCodePage& ansi,
                       const FileStore& files) {
    loadFrom(path, log, ansi, files);
}

void ConfigFile::setNumberOfJoysticks(int count) {
    count = std::clamp(count, 1, kMaxJoysticks);
    for (int n = 0; n < count; ++n)
        if (!joysticks_[n]) joysticks_[n] = std::make_unique<JoystickConfig>(n);
    settings.numberOfJoysticks = count;
}

void ConfigFile::setDefaults() {
    resetSettings();
    for (auto& joystick : joysticks_)
        if (joystick) joystick->reset();
}

void ConfigFile::resetSettings() {
    settings = ProfileSettings{};
    buttonAlias.resetToNeutral();
    setNumberOfJoysticks(settings.numberOfJoysticks);
    modified = true;
}

void ConfigFile::copyFrom(const ConfigFile& other) {
    if (this == &other) return;
    for (auto& joystick : joysticks_) joystick.reset();
    settings = other.settings;
    buttonAlias = other.buttonAlias;
    for (int n = 0; n < other.numberOfJoysticks(); ++n) {
        joysticks_[n] = std::make_unique<JoystickConfig>(n);
        if (const JoystickConfig* source = other.joystick(n)) joysticks_[n]->copyAssignmentsFrom(*source);
    }
    modified = true;
}

}  // namespace vrx
