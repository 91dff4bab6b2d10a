#include <algorithm>
#include <array>

#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "Joystick/Processing.h"
#include "Main/MainForm.h"

// The main window's model, part: the marks of joysticks with pressed input
// on the tabs, and the colours of pressed rows.

namespace vrx {
namespace {

// The highlight of joystick k is entry k mod 8.
constexpr std::array<uint32_t, 8> kJoystickColours = {0xFFFF00, 0x00FF00, 0x00FFFF, 0xFF00FF,
                                                      0x800000, 0x008000, 0x808000, 0x000080};

}  // namespace

void MainForm::RefreshTabHighlights() {
    const ConfigFile* p = profile();
    if (!p) return;
    const bool highlighting = parts_.settings.highlightButtons || parts_.settings.highlightButtonsForAllTabs;
    const auto& anyPressed = parts_.engine.pressedState().anyPressed;
    const int joysticks = std::min(p->numberOfJoysticks(), static_cast<int>(tabTexts_.size()) - 1);
    for (int j = 0; j < joysticks; ++j) {
        std::string wanted = TabCaption(j);
        if (active_ && highlighting && anyPressed[static_cast<size_t>(j)]) wanted = "*" + wanted + "*";
        // Rewriting a tab redraws the strip; during play this runs often.
        if (tabTexts_[static_cast<size_t>(j)] != wanted) {
            tabTexts_[static_cast<size_t>(j)] = std::move(wanted);
            change(kTabsChanged);
        }
    }
    change(kHighlightChanged);
}

std::optional<uint32_t> MainForm::rowHighlight(int row) const {
    const ConfigFile* p = profile();
    if (!active_ || !p || row < 0 || row >= static_cast<int>(rows_.size())) return std::nullopt;
    const auto slot = static_cast<size_t>(rows_[static_cast<size_t>(row)].slot);
    const auto& pressed = parts_.engine.pressedState().pressedFlag;
    auto colour = [](int joystick) { return kJoystickColours[static_cast<size_t>(joystick) % 8]; };

    if (parts_.settings.highlightButtons) {
        if (onJoystickTab() && pressed[static_cast<size_t>(currentTab_)][slot]) return colour(currentTab_);
        return std::nullopt;
    }
    if (!parts_.settings.highlightButtonsForAllTabs) return std::nullopt;
    // The current tab's colour wins; otherwise the lowest joystick's.
    std::optional<uint32_t> result;
    for (int j = std::min(p->numberOfJoysticks(), kMaxJoysticks) - 1; j >= 0; --j) {
        if (!pressed[static_cast<size_t>(j)][slot]) continue;
        result = colour(j);
        if (j == currentTab_) break;
    }
    return result;
}
}  // namespace vrx
