// The assignment dialog's handlers for the user's editing of its controls:
// key boxes, number boxes, the mouse pages, the command steps and the
// special page.
#include <algorithm>

#include "AppInfo/WebPages.h"
#include "Dialogs/AssignForm.h"
#include "Joybutton/KeyCode.h"
#include "Joybutton/KeyName.h"
#include "Joybutton/UncapturableKeys.h"
#include "Utils/NumberFormat.h"
#include "Utils/NumberText.h"

namespace vrx {
namespace {

constexpr float kMostPressesPerSecond = 30.0f;
constexpr float kShortestPeriod = 0.033f;

// The program box's file dialog: any file, from the top of the system drive.
constexpr const char* kProgramFilter = "*.*|*.*";
constexpr const char* kProgramStartFolder = "C:\\";

}  // namespace

// --- Key boxes ---

void AssignForm::setBoxKey(int box, KeyCode code) {
    const int tag = keyBoxTag(box);
    keys_[static_cast<size_t>(tag)] = code;
    state_.keyBoxes[static_cast<size_t>(box)] = KeyName(code, parts_.layout);
    if (tag >= kFirstStepKeyEntry) writeStepEditor();
}

void AssignForm::keyCaptured(int box, KeyCode code) {
    setBoxKey(box, code);
    // From the keyboard page's first box straight to OK: one key, Enter, done.
    if (box == 0)
        focus("btnOK");
    else
        focus(keyBoxName(box), true);
}

void AssignForm::Key0KeyDown(LastKeyDown key) { keyCaptured(0, capturedKeyCode(key)); }

void AssignForm::Key1KeyDown(int box, LastKeyDown key) {
    if (box >= 0 && box < kKeyBoxCount) keyCaptured(box, capturedKeyCode(key));
}

void AssignForm::keyBoxKeyDown(int box, int virtualKey, LastKeyDown lastRecord) {
    const LastKeyDown key = pressedKey(virtualKey, lastRecord);
    if (box == 0)
        Key0KeyDown(key);
    else
        Key1KeyDown(box, key);
}

void AssignForm::PMKeyClearClick(int box) {
    if (box >= 0 && box < kKeyBoxCount) setBoxKey(box, key::None);
}

void AssignForm::PMSpecialKeyClick(int box, KeyCode code) {
    if (box >= 0 && box < kKeyBoxCount) setBoxKey(box, code);
}

void AssignForm::btnKeyAssignClick() {
    const int entry = state_.cbKeySelect;
    const int box = state_.cbKeyNum;
    if (entry < 0 || entry >= static_cast<int>(kSpecialKeys.size()) || box < 0 || box >= kFirstMultiKeyBox) return;
    setBoxKey(box, kSpecialKeys[static_cast<size_t>(entry)].code);
    focus(keyBoxName(box));
}

// --- Number boxes ---

const IntegerBoxField& integerBoxField(IntegerBox box) {
    // In the order of IntegerBox.
    static constexpr IntegerBoxField kBoxes[] = {
        {"editKeySwitchDelay", &AssignFormState::editKeySwitchDelay},
        {"editKeyAnalogThreshold1", &AssignFormState::editKeyAnalogThreshold1},
        {"editKeyAnalogThreshold2", &AssignFormState::editKeyAnalogThreshold2},
        {"editMinimumHoldDuration", &AssignFormState::editMinimumHoldDuration},
        {"editKeyRepeatSwitch", &AssignFormState::editKeyRepeatSwitch},
        {"editShiftKeyDelay", &AssignFormState::editShiftKeyDelay},
        {"editSwitchProfileDelay", &AssignFormState::editSwitchProfileDelay},
        {"editAutoRepeatDelay", &AssignFormState::editAutoRepeatDelay},
        {"editCounterResetDuration", &AssignFormState::editCounterResetDuration},
    };
    return kBoxes[static_cast<size_t>(box)];
}

void AssignForm::validateIntegerInput(IntegerBox box) {
    if (closing()) return;
    const IntegerBoxField& field = integerBoxField(box);
    const std::string& text = state_.*(field.text);
    if (parseInteger(text) || (box == IntegerBox::CounterResetDuration && text.empty())) return;
    parts_.ui.showError(text + "は数字ではありません");
    focus(field.name);
}

void AssignForm::editMouseCenterChange(CentreBox box, std::string text) {
    (box == CentreBox::X ? state_.editMouseCenterX : state_.editMouseCenterY) = std::move(text);
}

void AssignForm::validateFloatInput(CentreBox box) {
    if (closing()) return;
    redrawPreview();
    const std::string& text = box == CentreBox::X ? state_.editMouseCenterX : state_.editMouseCenterY;
    const std::optional<double> value = parseNumber(text);
    if (value && *value >= 0.0) return;
    parts_.ui.showError("0.0 以上の数字を入れてください");
    focus(box == CentreBox::X ? "editMouseCenterX" : "editMouseCenterY");
}

bool AssignForm::editAutoRepeatPerSecKeyPress(char32_t character) {
    return (character >= U'A' && character <= U'Z') || (character >= U'a' && character <= U'z');
}

void AssignForm::editAutoRepeatPerSecChange(RateBox box, std::string text) {
    (box == RateBox::PerSecond ? state_.editAutoRepeatPerSec : state_.editAutoRepeatPeriod) = std::move(text);
}

void AssignForm::editAutoRepeatPerSecExit(RateBox box) {
    if (closing()) return;
    const bool perSecond = box == RateBox::PerSecond;
    std::string& text = perSecond ? state_.editAutoRepeatPerSec : state_.editAutoRepeatPeriod;
    std::string& other = perSecond ? state_.editAutoRepeatPeriod : state_.editAutoRepeatPerSec;
    if (text.empty()) {
        if (other.empty()) {
            pendingRate_ = 0;
            state_.cbAutoRepeat = false;
        }
        return;
    }
    // A negative number would turn the rate into a period and the reverse;
    // like text that is no number, it is refused.
    const std::optional<double> read = parseNumber(text);
    if (!read || *read < 0) {
        parts_.ui.showError(text + "は数字ではありません");
        focus(perSecond ? "editAutoRepeatPerSec" : "editAutoRepeatPeriod");
        return;
    }
    float value = static_cast<float>(*read);
    if (perSecond) {
        value = std::min(value, kMostPressesPerSecond);
        pendingRate_ = value;
    } else {
        value = std::max(value, kShortestPeriod);
        pendingRate_ = -value;
    }
    text = FormatNumber3(value);
    other.clear();
}

bool AssignForm::editCommentKeyPress(char32_t character) {
    if (character == static_cast<char32_t>(kEscapeKey)) {
        btnCancelClick();
        return true;
    }
    if (character != U'\r' && character != U'\n' && character != U'\t') return false;
    focus("btnOK");
    return true;
}

// --- Mouse pages ---

void AssignForm::cbMouseUpClick(bool checked) {
    state_.cbMouseUp = checked;
    if (checked) state_.cbMouseDown = false;
}

void AssignForm::cbMouseDownClick(bool checked) {
    state_.cbMouseDown = checked;
    if (checked) state_.cbMouseUp = false;
}

void AssignForm::cbMouseLeftClick(bool checked) {
    state_.cbMouseLeft = checked;
    if (checked) state_.cbMouseRight = false;
}

void AssignForm::cbMouseRightClick(bool checked) {
    state_.cbMouseRight = checked;
    if (checked) state_.cbMouseLeft = false;
}

void AssignForm::rbMouseAbsRangeClick(bool range) {
    state_.rbMouseAbsRange = range;
    redrawPreview();
}

// The range lies along one axis only.
void AssignForm::tbMouseAbsRangeXChange(int value) {
    state_.tbMouseAbsRangeX = value;
    state_.tbMouseAbsRangeY = 0;
    redrawPreview();
}

void AssignForm::tbMouseAbsRangeYChange(int value) {
    state_.tbMouseAbsRangeY = value;
    state_.tbMouseAbsRangeX = 0;
    redrawPreview();
}

// --- Command steps ---

void AssignForm::selectStep(int row) {
    state_.selectedStep = row >= 0 && row < static_cast<int>(state_.steps.size()) ? row : -1;
    fillStepEditor();
}

void AssignForm::fillStepEditor() {
    fillingStepEditor_ = true;
    const int row = state_.selectedStep;
    const CommandStep* step = row >= 0 ? &state_.steps[static_cast<size_t>(row)] : nullptr;
    for (int k = 0; k < 4; ++k)
        setBoxKey(kFirstStepKeyBox + k, step ? step->keys[static_cast<size_t>(k)] : key::None);
    state_.editCmdDuration = step ? std::to_string(step->durationMs) : std::string();
    fillingStepEditor_ = false;
}

void AssignForm::writeStepEditor() {
    const int row = state_.selectedStep;
    if (fillingStepEditor_ || row < 0) return;
    CommandStep& step = state_.steps[static_cast<size_t>(row)];
    for (int k = 0; k < 4; ++k) step.keys[static_cast<size_t>(k)] = keys_[static_cast<size_t>(kFirstStepKeyEntry + k)];
    // A duration that is no integer of at least 0 leaves the step's own.
    const std::optional<int> duration = parseInteger(state_.editCmdDuration);
    if (duration && *duration >= 0) step.durationMs = *duration;
}

void AssignForm::lvCommandSelectItem(int row) { selectStep(row); }

void AssignForm::btnCmdAddClick() {
    CommandStep step;
    step.durationMs = 100;
    state_.steps.push_back(step);
    selectStep(static_cast<int>(state_.steps.size()) - 1);
    focus("CmdKey1");
}

void AssignForm::btnCmdDeleteClick() {
    const int row = state_.selectedStep;
    if (row < 0) return;
    state_.steps.erase(state_.steps.begin() + row);
    selectStep(std::min(row, static_cast<int>(state_.steps.size()) - 1));
}

void AssignForm::btnCmdUpClick() {
    const int row = state_.selectedStep;
    if (row <= 0) return;
    std::swap(state_.steps[static_cast<size_t>(row)], state_.steps[static_cast<size_t>(row - 1)]);
    selectStep(row - 1);
}

void AssignForm::btnCmdDownClick() {
    const int row = state_.selectedStep;
    if (row < 0 || row + 1 >= static_cast<int>(state_.steps.size())) return;
    std::swap(state_.steps[static_cast<size_t>(row)], state_.steps[static_cast<size_t>(row + 1)]);
    selectStep(row + 1);
}

void AssignForm::editCmdDurationChange(const std::string& text) {
    state_.editCmdDuration = text;
    writeStepEditor();
}

// --- Special and text pages ---

void AssignForm::btnExternalProgramClick() {
    if (std::optional<std::string> file = parts_.ui.pickProgram(kProgramFilter, kProgramStartFolder))
        state_.editExternalProgram = *file;
}

void AssignForm::btnExternalProgramStartFromClick() {
    if (std::optional<std::string> folder =
            parts_.ui.pickFolder("フォルダを指定してください", state_.editExternalProgramStartFrom))
        state_.editExternalProgramStartFrom = *folder;
}

void AssignForm::lblSupportedVariablesClick() {
    parts_.ui.openAddress(webPageAddress("/ja/blog/vantorix/pasting-text-and-variables"));
}

}  // namespace vrx
