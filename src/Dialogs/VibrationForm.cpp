#include "Dialogs/VibrationForm.h"

#include <algorithm>

#include "ConfigFileManager/ConfigFile.h"
#include "Utils/NumberText.h"

namespace vrx {

std::string percentLabel(int position) { return std::to_string(position) + " %"; }

VibrationForm::VibrationForm(ConfigFile& profile, FormDialogs& dialogs) : profile_(profile), dialogs_(dialogs) {}

void VibrationForm::FormCreate() {
    const ProfileSettings& s = profile_.settings;
    tbVibration1Change(s.vibrationSpeed1);
    tbVibration2Change(s.vibrationSpeed2);
    state_.duration = std::to_string(s.vibrationDuration);
}

void VibrationForm::tbVibration1Change(int position) {
    state_.speed1 = std::clamp(position, 0, 100);
    state_.speed1Label = percentLabel(state_.speed1);
}

void VibrationForm::tbVibration2Change(int position) {
    state_.speed2 = std::clamp(position, 0, 100);
    state_.speed2Label = percentLabel(state_.speed2);
}

void VibrationForm::editVibrationDurationChange(std::string text) { state_.duration = std::move(text); }

// A negative time is refused with the text: the rumble takes milliseconds,
// and 0 already means none.
std::optional<int> VibrationForm::checkDuration() {
    const std::string& text = state_.duration;
    const std::optional<int> duration = parseInteger(text);
    focusDuration_ = !duration || *duration < 0;
    if (!focusDuration_) return duration;
    dialogs_.message("\"" + text + "\" は有効な振動時間ではありません。0 以上の整数 (ミリ秒) を入力してください。",
                     "Error", MessageIcon::Error, MessageButtons::Ok);
    return std::nullopt;
}

// Only a box left for another control of this dialog is checked. Cancel
// keeps nothing, so its duration does not matter; a box left for another
// window (or a message box) is checked when the user leaves it within the
// dialog, or on OK.
bool VibrationForm::editVibrationDurationExit(FocusMove next) {
    focusDuration_ = false;
    if (next != FocusMove::ToAnotherControl) return true;
    return checkDuration().has_value();
}

bool VibrationForm::btnOKClick() {
    const std::optional<int> duration = checkDuration();
    if (!duration) return false;
    ProfileSettings& s = profile_.settings;
    s.vibrationSpeed1 = state_.speed1;
    s.vibrationSpeed2 = state_.speed2;
    s.vibrationDuration = *duration;
    profile_.modified = true;
    return true;
}

}  // namespace vrx
