#include "Dialogs/VibrationForm.h"

#include <algorithm>

#include "ConfigFileManager/ConfigFile.h"
#include "Utils/IntegerText.h"

namespace vrx {
namespace {

std::string percentLabel(int position) { return std::to_string(position) + " %"; }

}  // namespace

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

// A negative time is refused with the text: the rumble takes milliseconds,
// and 0 already means none.
bool VibrationForm::checkDuration(const std::string& text) {
    state_.duration = text;
    const std::optional<int> duration = parseInteger(text);
    focusDuration_ = !duration || *duration < 0;
    if (focusDuration_)
        dialogs_.message("\"" + text + "\" は有効な振動時間ではありません。0 以上の整数 (ミリ秒) を入力してください。",
                         "Error", MessageIcon::Error, MessageButtons::Ok);
    return !focusDuration_;
}

bool VibrationForm::editVibrationDurationExit(const std::string& text) { return checkDuration(text); }

bool VibrationForm::btnOKClick(const std::string& durationText) {
    if (!checkDuration(durationText)) return false;
    ProfileSettings& s = profile_.settings;
    s.vibrationSpeed1 = state_.speed1;
    s.vibrationSpeed2 = state_.speed2;
    s.vibrationDuration = *parseInteger(durationText);
    profile_.modified = true;
    return true;
}

}  // namespace vrx
