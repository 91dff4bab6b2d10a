#pragma once

#include <array>
#include <string>
#include <vector>

#include "Dialogs/AssignKeys.h"
#include "Joybutton/JoyButton.h"

namespace vrx {

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

// What boxes show where no slot gives them a value, and after Clear.
inline constexpr const char* kDefaultAutoRepeatDelay = "700";
inline constexpr const char* kDefaultKeySwitchDelay = "500";
inline constexpr const char* kDefaultMinimumHoldDuration = "20";
inline constexpr const char* kDefaultAnalogThreshold2 = "95";
inline constexpr const char* kDefaultMouseCentre = "50.00";
inline constexpr int kDefaultMouseSpeed = 50;

// What the controls show, as plain values; the view copies them in, and
// the user's typing and clicking reach them only through the form's
// handlers. Enabled and visible states that follow from these are the
// form's methods.
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

}  // namespace vrx
