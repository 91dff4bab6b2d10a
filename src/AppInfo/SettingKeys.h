#pragma once

#include <climits>
#include <span>
#include <string_view>
#include <variant>

#include "AppInfo/GlobalSettings.h"

namespace vrx {

// One key of Vantorix.ini and the setting it holds. Integers outside
// minimum..maximum are not values of the key.
struct SettingKey {
    using Field = std::variant<bool GlobalSettings::*, int GlobalSettings::*, float GlobalSettings::*,
                               std::string GlobalSettings::*, AxisMapping GlobalSettings::*>;
    const char* section;
    const char* name;
    Field field;
    int minimum = INT_MIN;
    int maximum = INT_MAX;
};

// Every key, section "DirectInput" first, each section in the order the
// file is written.
std::span<const SettingKey> settingKeys();

// The key of that name, compared without regard to case; null when none.
const SettingKey* findSettingKey(std::string_view name);

// Sets the key's setting from its text in the file's form (booleans as
// integers, non-zero true; an axis mapping as numbers separated by ":").
// False, with the setting unchanged, when the text is not such a value.
bool assignSetting(GlobalSettings& settings, const SettingKey& key, std::string_view text);

}  // namespace vrx
