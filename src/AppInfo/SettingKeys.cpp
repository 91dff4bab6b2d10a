#include "AppInfo/SettingKeys.h"

#include <charconv>
#include <cmath>

#include "Utils/CaseInsensitive.h"

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

template <typename Number>
bool parseWhole(std::string_view text, Number& out) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc{} && end == text.data() + text.size() && !text.empty();
}

bool parseInt(std::string_view text, const SettingKey& key, int& out) {
    int value = 0;
    if (!parseWhole(text, value) || value < key.minimum || value > key.maximum) return false;
    out = value;
    return true;
}

// Up to eight numbers; entries the text does not reach keep their value.
bool parseAxisMapping(std::string_view text, AxisMapping& out) {
    AxisMapping result = out;
    for (size_t i = 0; i < result.size() && !text.empty(); ++i) {
        const size_t colon = text.find(':');
        if (!parseWhole(text.substr(0, colon), result[i])) return false;
        text = colon == std::string_view::npos ? std::string_view{} : text.substr(colon + 1);
    }
    if (!text.empty()) return false;
    out = result;
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
        bool operator()(AxisMapping G::*field) const { return parseAxisMapping(text, s.*field); }
    };
    return std::visit(Assign{settings, key, text}, key.field);
}

}  // namespace vrx
