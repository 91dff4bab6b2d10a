#include "Dialogs/AssignForm.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "ConfigFileManager/ConfigFile.h"
#include "EngineTypes/EngineLock.h"
#include "Joybutton/JoyButtonProcess.h"
#include "Joybutton/KeyName.h"
#include "Utils/NumberFormat.h"
#include "Utils/NumberText.h"

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

std::string fixed2(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    return text;
}

// Boxes are checked on leaving; one the user never left may still hold
// text that is no integer, which then leaves the field as it was.
int integerOr(const std::string& text, int fallback) { return parseInteger(text).value_or(fallback); }

float numberOr(const std::string& text, float fallback) {
    return static_cast<float>(parseNumber(text).value_or(fallback));
}

}  // namespace

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

// --- Filling ---

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

AssignFocus AssignForm::FormActivate() const {
    static const char* const kFirst[kAssignPageCount] = {"Key0",   "Key11",      "cbMouseL", "editMouseCenterX",
                                                         "lvCommand", "cbShiftKey", "memoText"};
    return {kFirst[state_.page], false};
}

void AssignForm::PageControl1Change(int page) {
    if (page >= 0 && page < kAssignPageCount) state_.page = page;
}

void AssignForm::rbKeyDelayedSwitchClick(SwitchMode mode) { state_.multiMode = mode; }

// --- Closing ---

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
}

std::optional<AssignFocus> AssignForm::takeFocus() {
    std::optional<AssignFocus> request = std::move(focus_);
    focus_.reset();
    return request;
}

}  // namespace vrx
