#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <string>

#include "Dialogs/AssignForm.h"
#include "Ui/Button_win.h"
#include "Ui/ComboBox_win.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/Edit_win.h"
#include "Ui/FormLink.h"
#include "Ui/Label_win.h"
#include "Ui/ListView_win.h"
#include "Ui/Menu_win.h"
#include "Ui/PaintBox_win.h"
#include "Ui/Panel_win.h"
#include "Ui/TabStrip_win.h"
#include "Ui/TrackBar_win.h"

namespace vrx {

// A box that takes a key by its press: every key, Tab and Escape included,
// reaches onKeyDown, and the characters they type are swallowed; it is
// yellow while it has the focus and opens the special-key popup on a right
// click.
class KeyBox : public ui::Edit {
public:
    bool create(HWND parent);
    // The colours of a box without the focus follow the style.
    void showFocus(bool focused);
    std::function<void(POINT screen)> onContextMenu;

protected:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// A number box whose whole text is selected when a click brings the focus
// into it, so the next number typed replaces it.
class SelectingBox : public ui::Edit {
protected:
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// The assignment dialog: seven pages of controls over an AssignForm. Made
// once per editing run; each EditSlot fills it from a slot and shows it.
class AssignDialog final : public ui::DialogWindow {
public:
    // lastKeyDown: the program's record of the last key that went down,
    // which tells the two Shift, Ctrl, Alt and Enter keys apart.
    AssignDialog(AssignForm& form, std::function<LastKeyDown()> lastKeyDown);

    // Fills the controls from the slot and shows the dialog modally over
    // owner; the modal result (kEditNext, kEditPrevious or another value).
    int EditSlot(HWND owner, int joystick, SlotIndex slot, const std::string& caption);

protected:
    SIZE designSize() const override { return {840, 584}; }
    void createControls() override;
    void layout() override;
    void activated() override;
    void cancel() override;

private:
    // Each page creates, places and fills its own controls.
    void createKeyboardPage();
    void createMultiPage();
    void createMousePage();
    void createAbsolutePage();
    void createCommandPage();
    void createSpecialPage();
    void createTextPage();
    void createCommonControls();
    void layoutKeyboardPages();
    void layoutMousePages();
    void layoutOtherPages();
    void createKeyBox(int box, HWND parent);
    void paintPreview(HDC dc, const RECT& client);
    void showSpecialKeyPopup(int box, POINT screen);

    // After every handler: copies the model's state into every control,
    // moves the focus where the handler asked, and closes when it closed.
    void refresh();
    void showKeyPages();
    void showMousePages();
    void showOtherPages();
    // An integer box: its text and its check as the focus leaves it.
    void linkIntegerBox(ui::Edit& box, IntegerBox which);
    // A click moves the focus to its button before the button acts, so the
    // box the user typed in is checked as it is left (a typed rate is read);
    // Enter and the tests' clicks press a button without that. False when
    // the check sent the focus back to its box: the button does nothing.
    bool takeFocus(ui::Button& button);
    void name(const std::string& control, ui::Control& object) { named_[control] = &object; }
    // To the named control, or to the one after it in the tab order.
    void moveFocus(const AssignFocus& request);

    AssignForm& form_;
    ui::FormLink<AssignForm> link_{form_, [this] { refresh(); }};
    std::function<LastKeyDown()> lastKeyDown_;
    std::map<std::string, ui::Control*> named_;
    // The preview as last drawn (the model's count of its redrawings).
    int previewShown_ = -1;

    ui::Label lblHeading;
    ui::TabStrip PageControl1;
    std::array<ui::Panel, kAssignPageCount> pages_;

    // Key boxes in tab order (kKeyBoxCount), and the special-key popup.
    std::array<KeyBox, kKeyBoxCount> keyBoxes_;
    ui::Menu PMSpecialKeys;
    std::map<int, KeyCode> popupCodes_;

    // Page 0.
    std::array<ui::Label, 4> lblKeys_;
    ui::Label lblKeySelect;
    ui::ComboBox cbKeySelect, cbKeyNum;
    ui::Button btnKeyAssign;
    ui::Label lblKeyHelp;

    // Page 1.
    std::array<ui::Label, 4> lblInputs_;  // lblKey1 ... lblKey4
    std::array<ui::RadioButton, 8> modeRadios_;  // in the order of the view's mode table
    ui::Edit editKeySwitchDelay, editKeyAnalogThreshold1, editKeyAnalogThreshold2, editKeyRepeatSwitch;
    ui::Edit editMinimumHoldDuration, editCounterResetDuration;
    ui::Label lblSwitchDelay, lblAnalog1, lblAnalog2, lblAnalog3, lblRepeatSwitch;
    ui::Label lblHold, lblHoldUnit, lblCounter, lblCounterUnit;

    // Page 2.
    ui::GroupBox groupMove, groupClicks, groupWheel, groupAcceleration;
    ui::CheckBox cbMouseUp, cbMouseDown, cbMouseLeft, cbMouseRight;
    std::array<ui::CheckBox, kClickCount> mouseClicks_;
    ui::Label lblSpeedCaption, lblMouseSpeed, lblAnalogCaption, lblAnalogFactor;
    ui::TrackBar tbMouseSpeed, tbAnalogFactor, tbMouseWheelV, tbMouseWheelH, tbAccelerationFactor;
    ui::Button btnAnalogFactorDefault;
    ui::Label lblWheelVCaption, lblMouseWheelV, lblWheelHCaption, lblMouseWheelH, lblAccelerationFactor;

    // Page 3.
    ui::Label lblMouseAbsCenter, lblCenterX, lblCenterY;
    ui::Edit editMouseCenterX, editMouseCenterY;
    ui::RadioButton rbMouseAbsTarget, rbMouseAbsRange;
    ui::Label lblRangeX, lblRangeY, lblMouseAbsX, lblMouseAbsY, lblAbsNote, lblOrigin, lblFarCorner;
    ui::TrackBar tbMouseAbsRangeX, tbMouseAbsRangeY;
    ui::GroupBox groupClicks2;
    std::array<ui::CheckBox, kClickCount> mouseClicks2_;
    ui::PaintBox pbMouseAbs;

    // Page 4.
    ui::ListView lvCommand;
    ui::Button btnCmdAdd, btnCmdDelete, btnCmdUp, btnCmdDown;
    ui::Label lblCommandNote, lblStepEditor, lblCmdDuration;
    ui::Edit editCmdDuration;

    // Page 5.
    ui::GroupBox groupShift, groupProfile, groupProgram;
    ui::ComboBox cbShiftKey, cbSwitchProfile;
    ui::CheckBox cbShiftKeyDelayed, cbSwitchProfileDelayed;
    ui::Edit editShiftKeyDelay, editSwitchProfileDelay;
    ui::Label lblShiftUnit, lblProfileUnit;
    ui::Edit editExternalProgram, editExternalProgramParameters, editExternalProgramStartFrom;
    ui::Label lblProgram, lblParameters, lblStartFrom, lblProgramNote;
    ui::Button btnExternalProgram, btnExternalProgramStartFrom;

    // Page 6.
    ui::Edit memoText;
    ui::Label lblSupportedVariables, lblTextNote;

    // Below the pages.
    ui::GroupBox groupCommon;
    ui::CheckBox cbAutoRepeat, cbAutoDelayed, cbToggle;
    ui::Label lblPerSecond, lblPeriod, lblDelayUnit;
    SelectingBox editAutoRepeatPerSec, editAutoRepeatPeriod;
    ui::Edit editAutoRepeatDelay;
    ui::Label lblComment;
    ui::Edit editComment;
    ui::Button btnClear, btnGoToPrev, btnGoToNext, btnOK, btnCancel;
};

}  // namespace vrx
