#pragma once

#include <windows.h>

#include <functional>

#include "Main/MainForm.h"
#include "Main/OptionsPage.h"
#include "Ui/Button_win.h"
#include "Ui/ComboBox_win.h"
#include "Ui/Edit_win.h"
#include "Ui/FormLink.h"
#include "Ui/Label_win.h"
#include "Ui/Panel_win.h"
#include "Ui/TrackBar_win.h"
#include "Ui/UiFont_win.h"

namespace vrx {

// The "Options" tab's page: the controls of the profile-wide settings,
// filled from the options page model and feeding its handlers through the
// main window's link, whose refresh fills the page.
class OptionsPageView {
public:
    OptionsPageView(HWND parent, ui::FormLink<MainForm>& link);
    OptionsPageView(const OptionsPageView&) = delete;
    OptionsPageView& operator=(const OptionsPageView&) = delete;

    // Copies the model's state into the controls.
    void refresh(const OptionsState& state);
    void setFonts(const ui::UiFont& normal, const ui::UiFont& bold, ui::Dpi dpi);
    void setBounds(const RECT& bounds) { page_.setBounds(bounds); }
    void setVisible(bool visible) { page_.setVisible(visible); }
    void bringToTop() const;
    void focus(OptionsPage::Focus control);
    // The number box that has the keyboard focus, or that lost it to the
    // click now being handled, which the tab change must leave to its own
    // check.
    FocusedControl focusedNumberBox() const;
    // The number box that has the keyboard focus now.
    FocusedControl numberBoxWithFocus() const;
    HWND hwnd() const { return page_.hwnd(); }

    // The detection and device dialog buttons belong to the window's menus.
    std::function<void()> onDetect;
    std::function<void()> onCalibrate;

private:
    void createControls();
    void wireEvents();
    void layout(int width, int height);
    void rememberLeftBox(FocusedControl box);

    ui::FormLink<MainForm>& link_;
    ui::Dpi dpi_;
    FocusedControl leftBox_ = FocusedControl::Other;
    LONG leftAt_ = 0;
    ui::Panel page_;
    ui::Label lblJoystickStatus;
    ui::Button btnDetect, btnCalibrate;
    ui::Label Label1;
    ui::Edit editNumJoystick;
    ui::Button btnApplyNumJoysticks;
    ui::GroupBox GroupBox1;
    ui::Label Label4;
    ui::ComboBox cbAxisDisplayMode;
    ui::CheckBox cbUseDiagonalInput1, cbUseDiagonalInput2, cbUsePOV8Way;
    ui::Label Label2;
    ui::Edit editNumButtons;
    ui::GroupBox GroupBox2;
    ui::CheckBox cbRepeatSameKeyInSequence;
    ui::Label Label3;
    ui::Button btnButtonAlias;
    ui::Label lblThreshold;
    ui::Label lblStick1;
    ui::TrackBar tbThreshold1;
    ui::Label lblThreshold1;
    ui::Label lblStick2;
    ui::TrackBar tbThreshold2;
    ui::Label lblThreshold2;
    ui::Label lblProcessMode;
    ui::ComboBox cbKeySendMode;
    ui::GroupBox GroupBox3;
    ui::CheckBox cbPlaySound;
    ui::Edit editSoundFile;
    ui::Button btnSoundFile;
    ui::CheckBox cbShowProfileImage;
    ui::Edit editImageFile;
    ui::Button btnImageFile;
    ui::CheckBox cbTriggerVibration;
    ui::Button btnVibrationDetails;
};

}  // namespace vrx
