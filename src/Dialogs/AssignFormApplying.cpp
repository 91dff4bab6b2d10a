// The assignment dialog confirming: what the page showing stores into the
// slot, under the engine lock, and how the dialog closes.
#include <algorithm>

#include "ConfigFileManager/ConfigFile.h"
#include "Dialogs/AssignForm.h"
#include "EngineTypes/EngineLock.h"
#include "Joybutton/JoyButtonProcess.h"
#include "Utils/NumberText.h"

namespace vrx {
namespace {

// Each line break of the memo, CR LF or either alone, is stored as
// backslash-n.
std::string pasteTextOfMemo(const std::string& memo) {
    std::string text;
    for (size_t i = 0; i < memo.size(); ++i) {
        if (memo[i] == '\r' && i + 1 < memo.size() && memo[i + 1] == '\n') ++i;
        if (memo[i] == '\r' || memo[i] == '\n')
            text += "\\n";
        else
            text += memo[i];
    }
    return text;
}

// Boxes are checked on leaving; one the user never left may still hold
// text that is no integer, which then leaves the field as it was.
int integerOr(const std::string& text, int fallback) { return parseInteger(text).value_or(fallback); }

float numberOr(const std::string& text, float fallback) {
    return static_cast<float>(parseNumber(text).value_or(fallback));
}

}  // namespace

void AssignForm::btnOKClick() {
    if (state_.cbAutoRepeat && pendingRate_ == 0) {
        parts_.ui.showError("自動連射機能を使うためには、1秒間に何回連射するのか指定してください。");
        return;
    }
    ApplyToSlot();
    closeResult_ = kResultOk;
}

void AssignForm::btnGoToNextClick() {
    ApplyToSlot();
    closeResult_ = kEditNext;
}

void AssignForm::btnGoToPrevClick() {
    ApplyToSlot();
    closeResult_ = kEditPrevious;
}

void AssignForm::ApplyToSlot() {
    run_.profile->modified = true;
    JoyButton& record = slot();
    EngineLockGuard guard(parts_.lock);
    ForceRelease(record, parts_.tick);
    record.commandSteps = state_.steps;
    store(record);
    record.prepare();
}

void AssignForm::store(JoyButton& record) const {
    record.type = AssignType::None;
    switch (state_.page) {
        case kPageKeyboard:
            if (keys_[0] != key::None) record.type = AssignType::Keyboard;
            break;
        case kPageMouse: {
            const auto& s = state_;
            bool any = s.cbMouseUp || s.cbMouseDown || s.cbMouseLeft || s.cbMouseRight || s.tbMouseWheelV != 0 ||
                       s.tbMouseWheelH != 0 || s.tbAnalogFactor != 100;
            for (bool click : s.mouseClicks) any = any || click;
            if (any) record.type = AssignType::Mouse;
            record.accelerationFactor = static_cast<float>(s.tbAccelerationFactor) / 10.0f;
            record.analogFactor = s.tbAnalogFactor;
            break;
        }
        case kPageMouseAbsolute:
            record.type = AssignType::MouseAbsolute;
            record.mouseCenterX = numberOr(state_.editMouseCenterX, record.mouseCenterX);
            record.mouseCenterY = numberOr(state_.editMouseCenterY, record.mouseCenterY);
            record.mouseAbsRangeX = state_.rbMouseAbsRange ? state_.tbMouseAbsRangeX : 0;
            record.mouseAbsRangeY = state_.rbMouseAbsRange ? state_.tbMouseAbsRangeY : 0;
            break;
        case kPageCommand:
            if (!state_.steps.empty()) record.type = AssignType::Command;
            break;
        case kPageText:
            record.type = AssignType::PasteText;
            record.pasteText = pasteTextOfMemo(state_.memoText);
            break;
        case kPageSpecial: storeSpecialPage(record); break;
        case kPageKeyboardMulti: storeMultiPage(record); break;
        default: break;
    }
    // Each click row belongs to its page.
    const bool absolute = state_.page == kPageMouseAbsolute;
    if (state_.page == kPageMouse || absolute) {
        const auto& clicks = absolute ? state_.mouseClicks2 : state_.mouseClicks;
        record.mouseLeft = clicks[kClickLeft];
        record.mouseMiddle = clicks[kClickMiddle];
        record.mouseRight = clicks[kClickRight];
        record.mouseButton4 = clicks[kClick4];
        record.mouseButton5 = clicks[kClick5];
    }
    if (groupCommonVisible()) {
        if (state_.cbAutoRepeat) {
            record.autoRepeatRate = pendingRate_;
            // A decimal the user typed without leaving the box is cut to
            // whole milliseconds rather than lost.
            const std::optional<double> delay = parseNumber(state_.editAutoRepeatDelay);
            record.autoRepeatDelay = state_.cbAutoDelayed ? static_cast<int>(delay.value_or(0)) : 0;
        } else {
            record.autoRepeatRate = 0;
        }
        record.toggle = state_.cbToggle ? 1 : 0;
    }
    std::copy_n(keys_.begin(), JoyButton::kKeyCount, record.keys.begin());
    const int speed = state_.tbMouseSpeed;
    record.mouseMoveX = state_.cbMouseLeft ? -speed : state_.cbMouseRight ? speed : 0;
    record.mouseMoveY = state_.cbMouseUp ? -speed : state_.cbMouseDown ? speed : 0;
    record.mouseWheelH = state_.tbMouseWheelH;
    record.mouseWheelV = state_.tbMouseWheelV;
    // The text page has no comment box: a pasted text keeps no comment.
    record.comment = state_.page == kPageText ? std::string() : state_.editComment;
}

void AssignForm::storeSpecialPage(JoyButton& record) const {
    const auto& s = state_;
    if (s.cbShiftKey > 0) {
        record.type = AssignType::JoystickShift;
        record.shiftTarget = joystick_ + s.cbShiftKey;
        record.switchDelay = s.cbShiftKeyDelayed ? integerOr(s.editShiftKeyDelay, 0) : 0;
    } else if (s.cbSwitchProfile > 0 && s.cbSwitchProfile < static_cast<int>(s.cbSwitchProfileItems.size())) {
        record.type = AssignType::ProfileSwitch;
        record.targetName = s.cbSwitchProfileItems[static_cast<size_t>(s.cbSwitchProfile)];
        record.switchDelay = s.cbSwitchProfileDelayed ? integerOr(s.editSwitchProfileDelay, 0) : 0;
    } else if (!s.editExternalProgram.empty()) {
        record.type = AssignType::LaunchProgram;
        record.targetName = s.editExternalProgram;
        record.programParameters = s.editExternalProgramParameters;
        record.programStartFrom = s.editExternalProgramStartFrom;
    }
}

void AssignForm::storeMultiPage(JoyButton& record) const {
    const auto& s = state_;
    record.type = AssignType::KeyboardMulti;
    record.minimumHoldDuration = integerOr(s.editMinimumHoldDuration, record.minimumHoldDuration);
    record.switchMode = s.multiMode;
    switch (s.multiMode) {
        case SwitchMode::DelayedSwitch: record.switchDelay = integerOr(s.editKeySwitchDelay, record.switchDelay); break;
        case SwitchMode::RepeatSwitch: record.switchDelay = integerOr(s.editKeyRepeatSwitch, record.switchDelay); break;
        case SwitchMode::MultiSwitch2:
        case SwitchMode::MultiSwitch3:
        case SwitchMode::MultiSwitch4: record.counterResetDuration = integerOr(s.editCounterResetDuration, 0); break;
        case SwitchMode::AnalogSwitch:
            record.analogThreshold1 = integerOr(s.editKeyAnalogThreshold1, record.analogThreshold1);
            record.analogThreshold2 = integerOr(s.editKeyAnalogThreshold2, record.analogThreshold2);
            break;
        default: break;
    }
}

}  // namespace vrx
