// The assignment dialog filling its controls: from a slot's assignment as
// a row is opened, and back to their defaults with Clear.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "Dialogs/AssignForm.h"
#include "Joybutton/KeyName.h"
#include "Utils/NumberFormat.h"

namespace vrx {
namespace {

// The page a type opens on; None and unknown types open the keyboard page.
int pageOfType(AssignType type) {
    switch (type) {
        case AssignType::Mouse: return kPageMouse;
        case AssignType::Command: return kPageCommand;
        case AssignType::JoystickShift:
        case AssignType::ProfileSwitch:
        case AssignType::LaunchProgram: return kPageSpecial;
        case AssignType::KeyboardMulti: return kPageKeyboardMulti;
        case AssignType::MouseAbsolute: return kPageMouseAbsolute;
        case AssignType::PasteText: return kPageText;
        default: return kPageKeyboard;
    }
}

// The memo shows each stored backslash-n as a line break.
std::string memoOfPasteText(const std::string& text) {
    std::string memo;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            memo += "\r\n";
            ++i;
        } else {
            memo += text[i];
        }
    }
    return memo;
}

std::string fixed2(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    return text;
}

}  // namespace

void AssignForm::EditSlot(int joystick, SlotIndex slot, const std::string& caption) {
    joystick_ = joystick;
    slot_ = slot;
    closeResult_.reset();
    const JoyButton& record = this->slot();

    char title[64];
    std::snprintf(title, sizeof title, "ジョイスティック %d の ", joystick + 1);
    state_.title = title + caption + " の設定";
    PageControl1Change(pageOfType(record.type));

    state_.editAutoRepeatPerSec.clear();
    state_.editAutoRepeatPeriod.clear();
    state_.cbAutoRepeat = false;
    pendingRate_ = record.autoRepeatRate;
    if (pendingRate_ > 0) {
        state_.cbAutoRepeat = true;
        state_.editAutoRepeatPerSec = FormatNumber3(pendingRate_);
    } else if (pendingRate_ < 0) {
        state_.cbAutoRepeat = true;
        state_.editAutoRepeatPeriod = FormatNumber3(-pendingRate_);
    }
    state_.cbAutoDelayed = record.autoRepeatDelay > 0;
    state_.editAutoRepeatDelay = state_.cbAutoDelayed ? std::to_string(record.autoRepeatDelay) : kDefaultAutoRepeatDelay;
    state_.cbToggle = record.toggle != 0;

    fillKeys(record);
    fillMultiPage(record);
    fillMousePages(record);

    state_.steps = record.commandSteps;
    selectStep(state_.steps.empty() ? -1 : 0);

    state_.memoText = memoOfPasteText(record.pasteText);
    fillSpecialPage(record);
    state_.editComment = record.comment;
    redrawPreview();
}

void AssignForm::fillKeys(const JoyButton& record) {
    state_.cbKeySelect = 0;
    state_.cbKeyNum = 0;
    std::copy(record.keys.begin(), record.keys.end(), keys_.begin());
    // Only the page the type opens on shows the keys; the other shows none,
    // though the key table still holds them.
    const bool multi = record.type == AssignType::KeyboardMulti;
    for (int box = 0; box < kFirstStepKeyBox; ++box) {
        const bool shown = multi == (box >= kFirstMultiKeyBox);
        state_.keyBoxes[static_cast<size_t>(box)] =
            KeyName(shown ? keys_[static_cast<size_t>(keyBoxTag(box))] : key::None, parts_.layout);
    }
}

void AssignForm::fillMultiPage(const JoyButton& record) {
    // A mode code of no radio button leaves the radio buttons as they were.
    if (record.switchMode >= SwitchMode::MultiSwitch2 && record.switchMode <= SwitchMode::MultiSequence)
        state_.multiMode = record.switchMode;
    const SwitchMode mode = state_.multiMode;
    if (multiSwitchMode()) {
        state_.editCounterResetDuration =
            record.counterResetDuration >= 1 ? std::to_string(record.counterResetDuration) : std::string();
    } else if (editMinimumHoldDurationEnabled()) {
        if (mode == SwitchMode::DelayedSwitch) state_.editKeySwitchDelay = std::to_string(record.switchDelay);
        if (mode == SwitchMode::RepeatSwitch) state_.editKeyRepeatSwitch = std::to_string(record.switchDelay);
        state_.editMinimumHoldDuration = std::to_string(record.minimumHoldDuration);
    } else {
        state_.editKeySwitchDelay = kDefaultKeySwitchDelay;
        state_.editMinimumHoldDuration = kDefaultMinimumHoldDuration;
    }
    const bool analog = mode == SwitchMode::AnalogSwitch;
    state_.editKeyAnalogThreshold1 = analog ? std::to_string(record.analogThreshold1) : "50";
    state_.editKeyAnalogThreshold2 = analog ? std::to_string(record.analogThreshold2) : kDefaultAnalogThreshold2;
}

void AssignForm::fillMousePages(const JoyButton& record) {
    state_.cbMouseUp = record.mouseMoveY < 0;
    state_.cbMouseDown = record.mouseMoveY > 0;
    state_.cbMouseLeft = record.mouseMoveX < 0;
    state_.cbMouseRight = record.mouseMoveX > 0;
    state_.tbMouseSpeed = record.mouseMoveY != 0   ? std::abs(record.mouseMoveY)
                          : record.mouseMoveX != 0 ? std::abs(record.mouseMoveX)
                                                   : 50;
    state_.tbMouseWheelV = record.mouseWheelV;
    state_.tbMouseWheelH = record.mouseWheelH;
    const std::array<bool, kClickCount> clicks{record.mouseLeft != 0, record.mouseMiddle != 0, record.mouseRight != 0,
                                               record.mouseButton4 != 0, record.mouseButton5 != 0};
    state_.mouseClicks = clicks;
    state_.mouseClicks2 = clicks;
    state_.tbAccelerationFactor = static_cast<int>(std::lround(record.accelerationFactor * 10));
    state_.tbAnalogFactor = record.analogFactor;

    state_.editMouseCenterX = fixed2(record.mouseCenterX);
    state_.editMouseCenterY = fixed2(record.mouseCenterY);
    state_.tbMouseAbsRangeX = record.mouseAbsRangeX;
    state_.tbMouseAbsRangeY = record.mouseAbsRangeY;
    state_.rbMouseAbsRange = record.mouseAbsRangeX != 0 || record.mouseAbsRangeY != 0;
}

void AssignForm::fillSpecialPage(const JoyButton& record) {
    state_.cbShiftKey = 0;
    state_.cbShiftKeyDelayed = false;
    const int entry = record.shiftTarget - joystick_;
    if (record.type == AssignType::JoystickShift && entry > 0 &&
        entry < static_cast<int>(state_.cbShiftKeyItems.size())) {
        state_.cbShiftKey = entry;
        state_.cbShiftKeyDelayed = record.switchDelay > 0;
        state_.editShiftKeyDelay = std::to_string(record.switchDelay);
    }

    state_.cbSwitchProfile = 0;
    state_.cbSwitchProfileDelayed = false;
    if (record.type == AssignType::ProfileSwitch && !record.targetName.empty()) {
        for (size_t i = 1; i < state_.cbSwitchProfileItems.size(); ++i) {
            if (state_.cbSwitchProfileItems[i] != record.targetName) continue;
            state_.cbSwitchProfile = static_cast<int>(i);
            state_.cbSwitchProfileDelayed = record.switchDelay > 0;
            state_.editSwitchProfileDelay = std::to_string(record.switchDelay);
            break;
        }
    }

    const bool program = record.type == AssignType::LaunchProgram && !record.targetName.empty();
    state_.editExternalProgram = program ? record.targetName : std::string();
    state_.editExternalProgramParameters = program ? record.programParameters : std::string();
    state_.editExternalProgramStartFrom = program ? record.programStartFrom : std::string();
}

void AssignForm::btnClearClick() {
    auto& s = state_;
    PageControl1Change(kPageKeyboard);
    pendingRate_ = 0;
    s.cbAutoRepeat = s.cbAutoDelayed = s.cbToggle = false;
    s.editAutoRepeatDelay = kDefaultAutoRepeatDelay;
    std::fill_n(keys_.begin(), JoyButton::kKeyCount, key::None);
    std::fill_n(s.keyBoxes.begin(), kFirstStepKeyBox, KeyName(key::None, parts_.layout));
    s.multiMode = SwitchMode::MultiSwitch2;
    s.editKeySwitchDelay = kDefaultKeySwitchDelay;
    s.editMinimumHoldDuration = kDefaultMinimumHoldDuration;
    s.cbMouseUp = s.cbMouseDown = s.cbMouseLeft = s.cbMouseRight = false;
    s.mouseClicks = {};
    s.mouseClicks2 = {};
    s.tbMouseSpeed = kDefaultMouseSpeed;
    s.tbMouseWheelV = s.tbMouseWheelH = 0;
    s.tbAccelerationFactor = 10;
    s.tbAnalogFactor = 100;
    s.editMouseCenterX = s.editMouseCenterY = kDefaultMouseCentre;
    s.rbMouseAbsRange = true;
    s.tbMouseAbsRangeX = s.tbMouseAbsRangeY = 0;
    s.memoText.clear();
    s.steps.clear();
    selectStep(-1);
    s.cbShiftKey = s.cbSwitchProfile = 0;
    s.cbShiftKeyDelayed = s.cbSwitchProfileDelayed = false;
    s.editComment.clear();
    redrawPreview();
}

}  // namespace vrx
