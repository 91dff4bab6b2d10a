#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "Dialogs/AssignFormState.h"
#include "Dialogs/AssignKeys.h"
#include "Dialogs/FormDialogs.h"
#include "Dialogs/LastKeyDown.h"
#include "EngineTypes/SlotIndex.h"
#include "Joybutton/JoyButton.h"

namespace vrx {

class EngineLock;
class KeyboardLayout;
struct TickContext;

// What the assignment dialog asks of the user and of the system; the view
// answers with boxes and the system's pickers, tests from a script.
class AssignFormUi {
public:
    virtual ~AssignFormUi() = default;
    // A message box titled "Error".
    virtual void showError(const std::string& text) = 0;
    // The file dialog of the program box, with its filter ("name|pattern"
    // pairs) and the folder it starts in; nothing when cancelled.
    virtual std::optional<std::string> pickProgram(const std::string& filter, const std::string& startFolder) = 0;
    // The folder picker, starting at start; nothing when cancelled.
    virtual std::optional<std::string> pickFolder(const std::string& title, const std::string& start) = 0;
    virtual void openAddress(const std::string& address) = 0;
};

struct AssignFormParts {
    EngineLock& lock;
    // Through which a slot lets go of what it holds before it is rewritten.
    TickContext& tick;
    const KeyboardLayout& layout;
    AssignFormUi& ui;
};

// The assignment dialog without its window: one object per editing run
// over the rows of a joystick, so what a slot does not set stays as the
// user left it for the previous row. Every user action is one handler;
// after it the view copies state() into its controls and reads takeFocus()
// and closeResult().
class AssignForm {
public:
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;

    // Creation: the key lists and the popup, from what the run knows.
    AssignForm(AssignFormParts parts, EditRun run);
    AssignForm(const AssignForm&) = delete;
    AssignForm& operator=(const AssignForm&) = delete;

    const AssignFormState& state() const { return state_; }
    const EditRun& run() const { return run_; }
    KeyCode keyEntry(int tag) const { return keys_[static_cast<size_t>(tag)]; }
    const std::vector<PopupItem>& specialKeyPopup() const { return popup_; }
    float pendingRate() const { return pendingRate_; }

    // --- Derived control states ---
    bool groupCommonVisible() const;  // enabled alike
    bool commentVisible() const { return state_.page != kPageText; }
    // The rate boxes and cbAutoDelayed; like all of groupCommon, only
    // while the group is.
    bool rateBoxesEnabled() const { return groupCommonVisible() && state_.cbAutoRepeat; }
    bool autoRepeatDelayEnabled() const { return rateBoxesEnabled() && state_.cbAutoDelayed; }
    bool keyBoxEnabled(int box) const;
    bool lblKey3Enabled() const;
    bool lblKey4Enabled() const;
    bool editKeySwitchDelayEnabled() const { return state_.multiMode == SwitchMode::DelayedSwitch; }
    bool thresholdsEnabled() const { return state_.multiMode == SwitchMode::AnalogSwitch; }
    bool editMinimumHoldDurationEnabled() const;
    bool editKeyRepeatSwitchEnabled() const { return state_.multiMode == SwitchMode::RepeatSwitch; }
    bool editCounterResetDurationEnabled() const { return multiSwitchMode(); }
    std::string lblMouseSpeed() const;
    std::string lblMouseWheelV() const;
    std::string lblMouseWheelH() const;
    std::string lblAccelerationFactor() const;
    std::string lblAnalogFactor() const;
    bool rangeBarsEnabled() const { return state_.rbMouseAbsRange; }
    std::string lblMouseAbsCenter() const;
    std::string lblMouseAbsX() const { return std::to_string(state_.tbMouseAbsRangeX); }
    std::string lblMouseAbsY() const { return std::to_string(state_.tbMouseAbsRangeY); }
    AbsolutePreview preview(int width, int height) const;
    // Counts the times the preview is to be drawn again: as a centre box is
    // left, not while it is typed in, and as the range or the mode changes.
    int previewRevision() const { return previewRevision_; }
    // One row per step: "#", the four key names (empty for none), the duration.
    std::vector<std::vector<std::string>> commandRows() const;
    bool stepEditorEnabled() const { return state_.selectedStep >= 0; }  // also btnCmdDelete
    bool btnCmdUpEnabled() const { return state_.selectedStep > 0; }
    bool btnCmdDownEnabled() const;
    bool editShiftKeyDelayEnabled() const { return state_.cbShiftKeyDelayed; }
    bool editSwitchProfileDelayEnabled() const { return state_.cbSwitchProfileDelayed; }

    // --- Handlers ---
    // Fills the controls from the slot's assignment (the dialog is then
    // shown; the view's EditSlot does that).
    void EditSlot(int joystick, SlotIndex slot, const std::string& caption);
    // The first control of the current page.
    AssignFocus FormActivate() const;
    void PageControl1Change(int page);
    void btnOKClick();
    void btnCancelClick() { closeResult_ = kResultCancel; }
    void btnGoToNextClick();
    void btnGoToPrevClick();
    void btnClearClick();
    void ApplyToSlot();

    // Keys: a key press in a key box (the record of the key that went down
    // tells the sides apart), Tab included.
    void Key0KeyDown(LastKeyDown key);
    void Key1KeyDown(int box, LastKeyDown key);
    // A key reaching any key box, with the program's record of the last key
    // that went down: Key0KeyDown for Key0, Key1KeyDown for the others.
    void keyBoxKeyDown(int box, int virtualKey, LastKeyDown lastRecord);
    void PMKeyClearClick(int box);
    // An item of the special-key popup with a code.
    void PMSpecialKeyClick(int box, KeyCode code);
    void cbKeySelectChange(int entry) { state_.cbKeySelect = entry; }
    void cbKeyNumChange(int box) { state_.cbKeyNum = box; }
    void btnKeyAssignClick();

    void rbKeyDelayedSwitchClick(SwitchMode mode);
    // The text of an integer box as typed, and its check as it is left.
    void integerBoxChange(IntegerBox box, std::string text) { state_.*(integerBoxField(box).text) = std::move(text); }
    void validateIntegerInput(IntegerBox box);
    void editMouseCenterChange(CentreBox box, std::string text);
    void validateFloatInput(CentreBox box);

    // The rate boxes: letters are refused (true: swallow the character).
    static bool editAutoRepeatPerSecKeyPress(char32_t character);
    void editAutoRepeatPerSecChange(RateBox box, std::string text);
    void editAutoRepeatPerSecExit(RateBox box);
    void cbAutoRepeatClick(bool checked) { state_.cbAutoRepeat = checked; }
    void cbAutoDelayedClick(bool checked) { state_.cbAutoDelayed = checked; }
    void cbToggleClick(bool checked) { state_.cbToggle = checked; }

    void cbMouseUpClick(bool checked);
    void cbMouseDownClick(bool checked);
    void cbMouseLeftClick(bool checked);
    void cbMouseRightClick(bool checked);
    // The click boxes of the mouse page (cbMouseL ... cbMouse5) and of the
    // absolute page (cbMouseL_2 ... cbMouse5_2).
    void cbMouseClick(MouseClick button, bool checked) { state_.mouseClicks[button] = checked; }
    void cbMouse_2Click(MouseClick button, bool checked) { state_.mouseClicks2[button] = checked; }
    void tbMouseSpeedChange(int value) { state_.tbMouseSpeed = value; }
    void tbAnalogFactorChange(int value) { state_.tbAnalogFactor = value; }
    void tbMouseWheelVChange(int value) { state_.tbMouseWheelV = value; }
    void tbMouseWheelHChange(int value) { state_.tbMouseWheelH = value; }
    void tbAccelerationFactorChange(int value) { state_.tbAccelerationFactor = value; }
    void btnAnalogFactorDefaultClick() { state_.tbAnalogFactor = 100; }
    void rbMouseAbsRangeClick(bool range);
    void tbMouseAbsRangeXChange(int value);
    void tbMouseAbsRangeYChange(int value);

    void lvCommandSelectItem(int row);
    void btnCmdAddClick();
    void btnCmdDeleteClick();
    void btnCmdUpClick();
    void btnCmdDownClick();
    void editCmdDurationChange(const std::string& text);

    void cbShiftKeyChange(int entry) { state_.cbShiftKey = entry; }
    void cbShiftKeyDelayedClick(bool checked) { state_.cbShiftKeyDelayed = checked; }
    void cbSwitchProfileChange(int entry) { state_.cbSwitchProfile = entry; }
    void cbSwitchProfileDelayedClick(bool checked) { state_.cbSwitchProfileDelayed = checked; }
    void editExternalProgramChange(std::string text) { state_.editExternalProgram = std::move(text); }
    void editExternalProgramParametersChange(std::string text) {
        state_.editExternalProgramParameters = std::move(text);
    }
    void editExternalProgramStartFromChange(std::string text) { state_.editExternalProgramStartFrom = std::move(text); }
    void btnExternalProgramClick();
    void btnExternalProgramStartFromClick();
    void memoTextChange(std::string text) { state_.memoText = std::move(text); }
    void lblSupportedVariablesClick();
    void editCommentChange(std::string text) { state_.editComment = std::move(text); }
    // The comment box takes every key so that Enter and Tab reach it: they
    // go to OK, and Escape still cancels (true: swallowed).
    bool editCommentKeyPress(char32_t character);

    // The focus the last handler asked for, then cleared.
    std::optional<AssignFocus> takeFocus();
    // Set once a handler closed the dialog: the modal result.
    std::optional<int> closeResult() const { return closeResult_; }
    void clearCloseResult() { closeResult_.reset(); }

private:
    JoyButton& slot() const;
    bool multiSwitchMode() const;
    // Boxes lose the focus as the dialog closes too; then there is nothing
    // left to check.
    bool closing() const { return closeResult_.has_value(); }
    void fillKeys(const JoyButton& slot);
    void fillMultiPage(const JoyButton& slot);
    void fillMousePages(const JoyButton& slot);
    void fillSpecialPage(const JoyButton& slot);
    void store(JoyButton& slot) const;
    void storeSpecialPage(JoyButton& slot) const;
    void storeMultiPage(JoyButton& slot) const;
    void setBoxKey(int box, KeyCode code);
    void keyCaptured(int box, KeyCode code);
    void writeStepEditor();
    void fillStepEditor();
    void selectStep(int row);
    void focus(std::string control, bool next = false) { focus_ = AssignFocus{std::move(control), next}; }
    void redrawPreview() { ++previewRevision_; }

    AssignFormParts parts_;
    EditRun run_;
    AssignFormState state_;
    std::array<KeyCode, kKeyTableSize> keys_{};
    std::vector<PopupItem> popup_;
    int joystick_ = 0;
    SlotIndex slot_ = 0;
    float pendingRate_ = 0.0f;
    bool fillingStepEditor_ = false;
    int previewRevision_ = 0;
    std::optional<AssignFocus> focus_;
    std::optional<int> closeResult_;
};

}  // namespace vrx
