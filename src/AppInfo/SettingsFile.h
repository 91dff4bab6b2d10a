#pragma once

#include <filesystem>
#include <functional>

#include "AppInfo/GlobalSettings.h"
#include "Utils/FileStore.h"

namespace vrx {

class IniFile;
class Logger;

// Reads every global setting from Vantorix.ini; a missing key, or a value
// that is not one of the key's, gives the default.
GlobalSettings readGlobalSettings(const IniFile& ini);

// Whether a save has recorded in the file that the program ran before; a
// first run shows the greeting.
bool showsEarlierRun(const IniFile& ini);

// Writes every global setting, in the file's order of sections and keys,
// and the mark of an earlier run. Other sections and keys stay.
void writeGlobalSettings(const GlobalSettings& settings, IniFile& ini);

struct LoadedGlobalSettings {
    GlobalSettings settings;
    bool firstRun = true;
};

// The settings of the file, all defaults when it is missing or unreadable;
// switches Debug lines of the log on or off as ShowDebugLog says.
LoadedGlobalSettings loadGlobalSettings(const std::filesystem::path& iniPath, Logger& log,
                                        const FileStore& files = localFiles());

// Writes the settings into the file, keeping what else it holds, in one
// atomic replacement together with whatever writeOthers adds (the device
// sections). Throws std::filesystem::filesystem_error when the file cannot
// be read or written; the previous file then stays as it was.
void saveGlobalSettings(const GlobalSettings& settings, const std::filesystem::path& iniPath, Logger& log,
                        FileStore& files = localFiles(), const std::function<void(IniFile&)>& writeOthers = {});

}  // namespace vrx
