#include "AppInfo/SettingKeys.h"

#include <charconv>
#include <cmath>

#include "Utils/CaseInsensitive.h"
#include "Utils/IniFile.h"
#include "Utils/IntList.h"

namespace vrx {
namespace {

using G = GlobalSettings;

// A key's order here is its order in the saved file.
constexpr SettingKey kKeys[] = {
    {"DirectInput", "AnalogDeadZone", &G::analogDeadZone},
    {"DirectInput", "AnalogSaturation", &G::analogSaturation},
    {"DirectInput", "DefaultAxisMapping", &G::defaultAxisMapping},
    {"LastStatus", "AllowMultipleRunning", &G::allowMultipleRunning},
    {"LastStatus", "StartIconified", &G::startIconified},
    {"LastStatus", "ExitMeansMinimize", &G::exitMeansMinimize},
    {"LastStatus", "HideWhenMinimized", &G::hideWhenMinimized},
    {"LastStatus", "WindowPositionTop", &G::windowPositionTop},
    {"LastStatus", "WindowPositionLeft", &G::windowPositionLeft},
    {"LastStatus", "WindowWidth", &G::windowWidth},
    {"LastStatus", "WindowHeight", &G::windowHeight},
    {"LastStatus", "SplitterPosition", &G::splitterPosition},
    {"LastStatus", "ListColumnWidthButton", &G::listColumnWidthButton},
    {"LastStatus", "ListColumnWidthKeyboard", &G::listColumnWidthKeyboard},
    {"LastStatus", "ListColumnWidthAuto", &G::listColumnWidthAuto},
    {"LastStatus", "ListColumnWidthComment", &G::listColumnWidthComment},
    {"LastStatus", "DarkMode", &G::darkMode},
    {"LastStatus", "FileName", &G::fileName},
    {"LastStatus", "HighlightButtons", &G::highlightButtons},
    {"LastStatus", "HighlightButtonsForAllTabs", &G::highlightButtonsForAllTabs},
    {"LastStatus", "SkipForegroundProcessing", &G::skipForegroundProcessing},
    {"LastStatus", "NotifyBalloon", &G::notifyBalloon},
    {"LastStatus", "NotifySoundFile", &G::notifySoundFile},
    {"LastStatus", "NotifyProfileImage", &G::notifyProfileImage},
    {"LastStatus", "ProfileImageDuration", &G::profileImageDuration},
    {"LastStatus", "ProfileImagePosition", &G::profileImagePosition, 0, 4},
    {"LastStatus", "IgnoreInputAfterProfileSwitch", &G::ignoreInputAfterProfileSwitch},
    {"LastStatus", "IgnoreInputAfterShiftSwitch", &G::ignoreInputAfterShiftSwitch},
    {"LastStatus", "ShowDebugLog", &G::showDebugLog},
    {"LastStatus", "TurboMode", &G::turboMode, 0, 4},
    {"LastStatus", "XInputSupport", &G::xInputSupport, 0, 4},
    {"LastStatus", "AccelerationSharpness", &G::accelerationSharpness},
    {"LastStatus", "FontSizeProfileList", &G::fontSizeProfileList},
    {"LastStatus", "FontSizeButtonList", &G::fontSizeButtonList},
    {"LastStatus", "ProfileImageFullScreenRatio", &G::profileImageFullScreenRatio},
    {"LastStatus", "AutoDetectDevicesUpTo", &G::autoDetectDevicesUpTo},
};

// Numbers are read as the settings file reads them.
template <typename Number>
bool parseWhole(std::string_view text, Number& out) {
    text = IniFile::numberText(text);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc{} && end == text.data() + text.size();
}

bool parseInt(std::string_view text, const SettingKey& key, int& out) {
    int value = 0;
    if (!parseWhole(text, value) || value < key.minimum || value > key.maximum) return false;
    out = value;
    return true;
}

}  // namespace

std::span<const SettingKey> settingKeys() { return kKeys; }

const SettingKey* findSettingKey(std::string_view name) {
    for (const SettingKey& key : kKeys)
        if (equalsIgnoringCase(key.name, name)) return &key;
    return nullptr;
}

bool assignSetting(GlobalSettings& settings, const SettingKey& key, std::string_view text) {
    struct Assign {
        GlobalSettings& s;
        const SettingKey& key;
        std::string_view text;
        bool operator()(bool G::*field) const {
            int value = 0;
            if (!parseWhole(text, value)) return false;
            s.*field = value != 0;
            return true;
        }
        bool operator()(int G::*field) const { return parseInt(text, key, s.*field); }
        bool operator()(float G::*field) const {
            // "nan" and "inf" read as numbers, but no setting means them and
            // the curves they feed would turn them into garbage.
            float value = 0;
            if (!parseWhole(text, value) || !std::isfinite(value)) return false;
            s.*field = value;
            return true;
        }
        bool operator()(std::string G::*field) const {
            s.*field = std::string(text);
            return true;
        }
        // The integer-list rule: up to eight numbers, the rest ignored; an
        // entry the text does not give keeps its value.
        bool operator()(AxisMapping G::*field) const {
            ParseIntList(text, s.*field);
            return true;
        }
    };
    return std::visit(Assign{settings, key, text}, key.field);
}

}  // namespace vrx
