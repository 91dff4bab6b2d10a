#pragma once

#include <filesystem>

namespace vrx {

class ConfigFile;
class Logger;
class SoundRequests;
class Vibration;
struct GlobalSettings;

// What the user feels and hears when another profile comes into force: the
// profile's rumble, and its sound or else the program's notification sound.
struct ProfileSwitchNotice {
    Vibration& vibration;
    SoundRequests& sounds;
    const GlobalSettings& settings;
    std::filesystem::path dataDirectory;
    Logger& log;

    void announce(const ConfigFile& profile, bool processingSuspended) const;
};

}  // namespace vrx
