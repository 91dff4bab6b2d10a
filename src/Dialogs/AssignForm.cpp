// The assignment dialog's model: its creation, the control states that
// follow from what the controls show, and the page's first control.
#include "Dialogs/AssignForm.h"

#include <cstdio>

#include "ConfigFileManager/ConfigFile.h"
#include "Joybutton/KeyName.h"
#include "Utils/NumberText.h"

namespace vrx {

AssignForm::AssignForm(AssignFormParts parts, EditRun run)
    : parts_(parts), run_(std::move(run)), popup_(specialKeyPopupItems(run_.buttonLabels)) {
    for (std::string& box : state_.keyBoxes) box = KeyName(key::None, parts_.layout);
    // The lists stay as the run began: a run ends before the main window
    // can change its tabs or profiles.
    state_.cbShiftKeyItems.insert(state_.cbShiftKeyItems.end(), run_.shiftTargets.begin(), run_.shiftTargets.end());
    state_.cbSwitchProfileItems.insert(state_.cbSwitchProfileItems.end(), run_.profileNames.begin(),
                                       run_.profileNames.end());
}

JoyButton& AssignForm::slot() const { return run_.profile->joystick(joystick_)->slot(slot_); }

// --- Derived control states ---

bool AssignForm::multiSwitchMode() const {
    const SwitchMode mode = state_.multiMode;
    return mode == SwitchMode::MultiSwitch2 || mode == SwitchMode::MultiSwitch3 || mode == SwitchMode::MultiSwitch4;
}

bool AssignForm::groupCommonVisible() const {
    const int page = state_.page;
    return page == kPageKeyboard || page == kPageMouse || page == kPageMouseAbsolute ||
           (page == kPageKeyboardMulti && multiSwitchMode());
}

bool AssignForm::lblKey4Enabled() const {
    const SwitchMode mode = state_.multiMode;
    return mode == SwitchMode::MultiSwitch4 || mode == SwitchMode::MultiSequence || mode == SwitchMode::RepeatSwitch;
}

bool AssignForm::lblKey3Enabled() const {
    return state_.multiMode != SwitchMode::MultiSwitch2 && state_.multiMode != SwitchMode::ReleaseSwitch;
}

bool AssignForm::keyBoxEnabled(int box) const {
    if (box >= kFirstStepKeyBox) return stepEditorEnabled();
    if (box < kFirstMultiKeyBox) return true;
    const int input = (box - kFirstMultiKeyBox) / 4;
    if (input == 2) return lblKey3Enabled();
    if (input == 3) return lblKey4Enabled();
    return true;
}

bool AssignForm::editMinimumHoldDurationEnabled() const {
    const SwitchMode mode = state_.multiMode;
    return mode == SwitchMode::DelayedSwitch || mode == SwitchMode::ReleaseSwitch ||
           mode == SwitchMode::RepeatSwitch || mode == SwitchMode::MultiSequence;
}

std::string AssignForm::lblMouseSpeed() const { return std::to_string(state_.tbMouseSpeed); }

// The vertical bar has -100 at the top, so turning up reads positive.
std::string AssignForm::lblMouseWheelV() const { return std::to_string(-state_.tbMouseWheelV); }

std::string AssignForm::lblMouseWheelH() const { return std::to_string(state_.tbMouseWheelH); }

std::string AssignForm::lblAccelerationFactor() const {
    char text[32];
    std::snprintf(text, sizeof text, "x %.1f", state_.tbAccelerationFactor / 10.0);
    return text;
}

std::string AssignForm::lblAnalogFactor() const { return std::to_string(state_.tbAnalogFactor) + "%"; }

std::string AssignForm::lblMouseAbsCenter() const { return state_.rbMouseAbsRange ? "中心座標" : "目標座標"; }

AbsolutePreview AssignForm::preview(int width, int height) const {
    const double x = parseNumber(state_.editMouseCenterX).value_or(0.0);
    const double y = parseNumber(state_.editMouseCenterY).value_or(0.0);
    AbsolutePreview shown;
    shown.centreX = static_cast<int>(x * width / 100);
    shown.centreY = static_cast<int>(y * height / 100);
    if (state_.rbMouseAbsRange) {
        shown.line = true;
        shown.lineEndX = shown.centreX + state_.tbMouseAbsRangeX * width / 100;
        shown.lineEndY = shown.centreY + state_.tbMouseAbsRangeY * height / 100;
    }
    return shown;
}

std::vector<std::vector<std::string>> AssignForm::commandRows() const {
    std::vector<std::vector<std::string>> rows;
    for (size_t i = 0; i < state_.steps.size(); ++i) {
        const CommandStep& step = state_.steps[i];
        std::vector<std::string> row{std::to_string(i + 1)};
        for (KeyCode code : step.keys) row.push_back(code == key::None ? std::string() : KeyName(code, parts_.layout));
        row.push_back(std::to_string(step.durationMs));
        rows.push_back(std::move(row));
    }
    return rows;
}

bool AssignForm::btnCmdDownEnabled() const {
    return state_.selectedStep >= 0 && state_.selectedStep + 1 < static_cast<int>(state_.steps.size());
}

AssignFocus AssignForm::FormActivate() const {
    static const char* const kFirst[kAssignPageCount] = {"Key0",   "Key11",      "cbMouseL", "editMouseCenterX",
                                                         "lvCommand", "cbShiftKey", "memoText"};
    return {kFirst[state_.page], false};
}

void AssignForm::PageControl1Change(int page) {
    if (page >= 0 && page < kAssignPageCount) state_.page = page;
}

void AssignForm::rbKeyDelayedSwitchClick(SwitchMode mode) { state_.multiMode = mode; }

std::optional<AssignFocus> AssignForm::takeFocus() {
    std::optional<AssignFocus> request = std::move(focus_);
    focus_.reset();
    return request;
}


}  // namespace vrx
