#include "AppInfo/SettingsFile.h"

#include <charconv>

#include "AppInfo/SettingKeys.h"
#include "Utils/IniFile.h"
#include "Utils/IntList.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

// Written by every save, so a file that was never saved makes each start a
// first run.
constexpr const char* kRunSection = "LastStatus";
constexpr const char* kRunKey = "HasRunBefore";

// The shortest text that reads back as the same float.
std::string floatText(float value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

void writeSetting(const GlobalSettings& settings, const SettingKey& key, IniFile& ini) {
    struct Write {
        const GlobalSettings& s;
        const SettingKey& key;
        IniFile& ini;
        void operator()(bool GlobalSettings::*field) const { ini.writeBool(key.section, key.name, s.*field); }
        void operator()(int GlobalSettings::*field) const { ini.writeInteger(key.section, key.name, s.*field); }
        void operator()(float GlobalSettings::*field) const {
            ini.writeString(key.section, key.name, floatText(s.*field));
        }
        void operator()(std::string GlobalSettings::*field) const { ini.writeString(key.section, key.name, s.*field); }
        void operator()(AxisMapping GlobalSettings::*field) const {
            ini.writeString(key.section, key.name, JoinIntList(s.*field));
        }
    };
    std::visit(Write{settings, key, ini}, key.field);
}

}  // namespace

GlobalSettings readGlobalSettings(const IniFile& ini) {
    GlobalSettings settings;
    bool skipForegroundGiven = false;
    for (const SettingKey& key : settingKeys()) {
        const std::optional<std::string_view> value = ini.find(key.section, key.name);
        if (!value) continue;
        if (assignSetting(settings, key, *value) && std::string_view(key.name) == "SkipForegroundProcessing")
            skipForegroundGiven = true;
    }
    // Files from before the setting existed had one switch for both: not
    // executing while the window is active went with highlighting there.
    if (!skipForegroundGiven) settings.skipForegroundProcessing = settings.highlightButtons;
    return settings;
}

bool showsEarlierRun(const IniFile& ini) { return ini.readBool(kRunSection, kRunKey, false); }

void writeGlobalSettings(const GlobalSettings& settings, IniFile& ini) {
    for (const SettingKey& key : settingKeys()) writeSetting(settings, key, ini);
    ini.writeBool(kRunSection, kRunKey, true);
}

LoadedGlobalSettings loadGlobalSettings(const std::filesystem::path& iniPath, Logger& log, const FileStore& files) {
    const IniFile ini = IniFile::load(iniPath, systemAnsiCodePage(), files);
    LoadedGlobalSettings loaded{readGlobalSettings(ini), !showsEarlierRun(ini)};
    log.setDebugEnabled(loaded.settings.showDebugLog);
    return loaded;
}

void saveGlobalSettings(const GlobalSettings& settings, const std::filesystem::path& iniPath, Logger& log,
                        FileStore& files, const std::function<void(IniFile&)>& writeOthers) {
    log.info("Saving .ini file...");
    IniFile ini = IniFile::loadForUpdate(iniPath, systemAnsiCodePage(), files);
    writeGlobalSettings(settings, ini);
    if (writeOthers) writeOthers(ini);
    ini.save(iniPath, files);
}

}  // namespace vrx
