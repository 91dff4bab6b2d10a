#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

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
    // The file dialog of the program box; nothing when cancelled.
    virtual std::optional<std::string> pickProgram() = 0;
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

// The pages, in the order of the page control.
enum AssignPage : int {
    kPageKeyboard = 0,
    kPageKeyboardMulti = 1,
    kPageMouse = 2,
    kPageMouseAbsolute = 3,
    kPageCommand = 4,
    kPageSpecial = 5,
    kPageText = 6,
};
inline constexpr int kAssignPageCount = 7;

// The five mouse buttons of a click row, in the order of the boxes.
enum MouseClick : int { kClickLeft, kClickMiddle, kClickRight, kClick4, kClick5, kClickCount };

// The boxes checked as integers when the focus leaves them.
enum class IntegerBox {
    KeySwitchDelay,
    KeyAnalogThreshold1,
    KeyAnalogThreshold2,
    MinimumHoldDuration,
    KeyRepeatSwitch,
    ShiftKeyDelay,
    SwitchProfileDelay,
    AutoRepeatDelay,
    CounterResetDuration,  // may be empty too
};

enum class RateBox { PerSecond, Period };
enum class CentreBox { X, Y };

// Where the focus goes after a handler: a control by its name, or the
// control after it in the tab order.
struct AssignFocus {
    std::string control;
    bool next = false;

    friend bool operator==(const AssignFocus&, const AssignFocus&) = default;
};

// What the controls show, as plain values; the view copies them in and
// writes the user's typing and clicking back. Enabled and visible states
// that follow from these are the form's methods.
// What boxes show where no slot gives them a value, and after Clear.
inline constexpr const char* kDefaultAutoRepeatDelay = "700";
inline constexpr const char* kDefaultKeySwitchDelay = "500";
inline constexpr const char* kDefaultMinimumHoldDuration = "20";
inline constexpr const char* kDefaultAnalogThreshold2 = "95";
inline constexpr const char* kDefaultMouseCentre = "50.00";
inline constexpr int kDefaultMouseSpeed = 50;

struct AssignFormState {
    std::string title;
    int page = kPageKeyboard;

    // Shared by the keyboard and mouse pages.
    bool cbAutoRepeat = false;
    std::string editAutoRepeatPerSec;
    std::string editAutoRepeatPeriod;
    bool cbAutoDelayed = false;
    std::string editAutoRepeatDelay = kDefaultAutoRepeatDelay;
    bool cbToggle = false;
    std::string editComment;

    // Key boxes (kKeyBoxCount, named by keyBoxName) and the special-key list.
    std::array<std::string, kKeyBoxCount> keyBoxes;
    int cbKeySelect = 0;
    int cbKeyNum = 0;

    // Multi-key page.
    SwitchMode multiMode = SwitchMode::AnalogSwitch;
    std::string editKeySwitchDelay = kDefaultKeySwitchDelay;
    std::string editKeyAnalogThreshold1 = "50";
    std::string editKeyAnalogThreshold2 = kDefaultAnalogThreshold2;
    std::string editMinimumHoldDuration = kDefaultMinimumHoldDuration;
    std::string editKeyRepeatSwitch = "300";
    std::string editCounterResetDuration;

    // Mouse page.
    bool cbMouseUp = false, cbMouseDown = false, cbMouseLeft = false, cbMouseRight = false;
    std::array<bool, kClickCount> mouseClicks{};  // cbMouseL, cbMouseM, cbMouseR, cbMouse4, cbMouse5
    int tbMouseSpeed = kDefaultMouseSpeed;        // 0 to 100
    int tbMouseWheelV = 0;                        // -100 (top) to 100
    int tbMouseWheelH = 0;                        // -100 to 100
    int tbAccelerationFactor = 10;                // 1 to 50, tenths
    int tbAnalogFactor = 100;                     // 0 to 400

    // Absolute-position page.
    std::array<bool, kClickCount> mouseClicks2{};  // cbMouseL_2 ... cbMouse5_2
    std::string editMouseCenterX = kDefaultMouseCentre;
    std::string editMouseCenterY = kDefaultMouseCentre;
    bool rbMouseAbsRange = true;  // else rbMouseAbsTarget
    int tbMouseAbsRangeX = 0;     // -100 to 100
    int tbMouseAbsRangeY = 0;

    // Command page: the working step list and the row selected in it.
    std::vector<CommandStep> steps;
    int selectedStep = -1;
    std::string editCmdDuration;

    // Special page.
    std::vector<std::string> cbShiftKeyItems{"None"};
    int cbShiftKey = 0;
    bool cbShiftKeyDelayed = false;
    std::string editShiftKeyDelay = "700";
    std::vector<std::string> cbSwitchProfileItems{"None"};
    int cbSwitchProfile = 0;
    bool cbSwitchProfileDelayed = false;
    std::string editSwitchProfileDelay = "2000";
    std::string editExternalProgram;
    std::string editExternalProgramParameters;
    std::string editExternalProgramStartFrom;

    // Text page: lines separated by "\r\n", as a multi-line box holds them.
    std::string memoText;
};

// An integer box: the name its control goes by and where its text lives.
struct IntegerBoxField {
    const char* name;
    std::string AssignFormState::*text;
};
const IntegerBoxField& integerBoxField(IntegerBox box);

// The preview of the absolute-position page in a box of w x h pixels.
struct AbsolutePreview {
    int centreX = 0, centreY = 0;
    bool line = false;  // range mode: a line from the centre to the range's end
    int lineEndX = 0, lineEndY = 0;
};

// The assignment dialog without its window: one object per editing run
// over the rows of a joystick, so what a slot does not set stays as the
// user left it for the previous row. The view copies state() into its
// controls after every handler and reads takeFocus() and closeResult().
class AssignForm {
public:
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;

    // Creation: the key lists and the popup, from what the run knows.
    AssignForm(AssignFormParts parts, EditRun run);
    AssignForm(const AssignForm&) = delete;
    AssignForm& operator=(const AssignForm&) = delete;

    AssignFormState& state() { return state_; }
    const AssignFormState& state() const { return state_; }
    const EditRun& run() const { return run_; }
    KeyCode keyEntry(int tag) const { return keys_[static_cast<size_t>(tag)]; }
    const std::vector<PopupItem>& specialKeyPopup() const { return popup_; }
    float pendingRate() const { return pendingRate_; }

    // --- Derived control states ---
    bool groupCommonVisible() const;  // enabled alike
    bool commentVisible() const { return state_.page != kPageText; }
    bool rateBoxesEnabled() const { return state_.cbAutoRepeat; }  // and cbAutoDelayed
    bool autoRepeatDelayEnabled() const { return state_.cbAutoRepeat && state_.cbAutoDelayed; }
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
    void PMKeyClearClick(int box);
    // An item of the special-key popup with a code.
    void PMSpecialKeyClick(int box, KeyCode code);
    void btnKeyAssignClick();

    void rbKeyDelayedSwitchClick(SwitchMode mode);
    void validateIntegerInput(IntegerBox box);
    void validateFloatInput(CentreBox box);

    // The rate boxes: letters are refused (true: swallow the character).
    static bool editAutoRepeatPerSecKeyPress(char32_t character);
    void editAutoRepeatPerSecExit(RateBox box);
    void cbAutoRepeatClick(bool checked) { state_.cbAutoRepeat = checked; }
    void cbAutoDelayedClick(bool checked) { state_.cbAutoDelayed = checked; }

    void cbMouseUpClick(bool checked);
    void cbMouseDownClick(bool checked);
    void cbMouseLeftClick(bool checked);
    void cbMouseRightClick(bool checked);
    void btnAnalogFactorDefaultClick() { state_.tbAnalogFactor = 100; }
    void rbMouseAbsRangeClick(bool range) { state_.rbMouseAbsRange = range; }
    void tbMouseAbsRangeXChange(int value);
    void tbMouseAbsRangeYChange(int value);

    void lvCommandSelectItem(int row);
    void btnCmdAddClick();
    void btnCmdDeleteClick();
    void btnCmdUpClick();
    void btnCmdDownClick();
    void editCmdDurationChange(const std::string& text);

    void btnExternalProgramClick();
    void btnExternalProgramStartFromClick();
    void lblSupportedVariablesClick();
    // Enter, line feed or Tab in the comment box go to OK (true: swallowed).
    bool editCommentKeyPress(char32_t character);

    // The focus the last handler asked for, then cleared.
    std::optional<AssignFocus> takeFocus();
    // Set once a handler closed the dialog: the modal result.
    std::optional<int> closeResult() const { return closeResult_; }
    void clearCloseResult() { closeResult_.reset(); }

private:
    JoyButton& slot() const;
    bool multiSwitchMode() const;
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

    AssignFormParts parts_;
    EditRun run_;
    AssignFormState state_;
    std::array<KeyCode, kKeyTableSize> keys_{};
    std::vector<PopupItem> popup_;
    int joystick_ = 0;
    SlotIndex slot_ = 0;
    float pendingRate_ = 0.0f;
    bool fillingStepEditor_ = false;
    std::optional<AssignFocus> focus_;
    std::optional<int> closeResult_;
};

}  // namespace vrx
