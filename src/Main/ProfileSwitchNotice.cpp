#include "Main/ProfileSwitchNotice.h"

#include <system_error>

#include "AppInfo/AppLauncher.h"
#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ConfigFile.h"
#include "Joystick/Vibration.h"
#include "Utils/Logger.h"
#include "Utils/PathText.h"

namespace vrx {

void ProfileSwitchNotice::announce(const ConfigFile& profile, bool processingSuspended) const {
    vibration.start(profile.settings, settings.turboMode, processingSuspended);

    const std::string& sound =
        profile.settings.soundFile.empty() ? settings.notifySoundFile : profile.settings.soundFile;
    if (sound.empty()) return;
    const std::string path = resolveDataFile(dataDirectory, sound);
    std::error_code error;
    if (std::filesystem::exists(pathFromUtf8(path), error)) {
        log.info("Playing a sound file: " + path);
        sounds.PlaySoundFile(path);
    } else {
        log.error("Warning: failed to find a sound file: " + path);
        // A sound still playing from the switch before stops.
        sounds.PlaySoundFile("");
    }
}

}  // namespace vrx
