#include "ConfigFileManager/ConfigFile.h"

#include <algorithm>

namespace vrx {

ConfigFile::ConfigFile() { setNumberOfJoysticks(settings.numberOfJoysticks); }

void ConfigFile::setNumberOfJoysticks(int count) {
    count = std::clamp(count, 1, kMaxJoysticks);
    for (int n = 0; n < count; ++n)
        if (!joysticks_[n]) joysticks_[n] = std::make_unique<JoystickConfig>(n);
    settings.numberOfJoysticks = count;
}

}  // namespace vrx
