#pragma once

#include "AppInfo/GlobalSettings.h"

namespace vrx {

class IniFile;

// Reads every global setting from Vantorix.ini; a missing key, or a value
// that is not one of the key's, gives the default.
GlobalSettings readGlobalSettings(const IniFile& ini);

}  // namespace vrx
