#include "AppInfo/SettingsFile.h"

#include "AppInfo/SettingKeys.h"
#include "Utils/IniFile.h"

namespace vrx {

GlobalSettings readGlobalSettings(const IniFile& ini) {
    GlobalSettings settings;
    bool skipForegroundGiven = false;
    for (const SettingKey& key : settingKeys()) {
        const std::string* value = ini.find(key.section, key.name);
        if (!value) continue;
        if (assignSetting(settings, key, *value) && std::string_view(key.name) == "SkipForegroundProcessing")
            skipForegroundGiven = true;
    }
    // Files from before the setting existed had one switch for both: not
    // executing while the window is active went with highlighting there.
    if (!skipForegroundGiven) settings.skipForegroundProcessing = settings.highlightButtons;
    return settings;
}

}  // namespace vrx
