#pragma once

#include <windows.h>

#include <functional>

#include "Main/MainForm.h"
#include "Main/OptionsPage.h"
#include "Ui/Button_win.h"
#include "Ui/ComboBox_win.h"
#include "Ui/Edit_win.h"
#include "Ui/Label_win.h"
#include "Ui/Panel_win.h"
#include "Ui/TrackBar_win.h"
#include "Ui/UiFont_win.h"

namespace vrx {

// The "Options" tab's page: the controls of the profile-wide settings,
// filled from the options page model and feeding its handlers.
class OptionsPageView {
public:
    explicit OptionsPageView(HWND parent);
    OptionsPageView(const OptionsPageView&) = delete;
    OptionsPageView& operator=(const OptionsPageView&) = delete;

    // changed: a model call ran; the view copies the model's state and
    // honours its focus requests.
    void attach(MainForm& form, std::function<void()> changed);
    // Copies the model's state when it changed (or when forced).
    void sync(bool force);
    void setFonts(const ui::UiFont& normal, const ui::UiFont& bold, ui::Dpi dpi);
    void setBounds(const RECT& bounds) { page_.setBounds(bounds); }
    void setVisible(bool visible) { page_.setVisible(visible); }
    void bringToTop() const;
    void focus(OptionsPage::Focus control);
    // The number box that has the keyboard focus, which the tab change must
    // leave to its own check.
    FocusedControl focusedNumberBox() const;
    // Enter or Escape that the window's dialog keyboard took from the
    // control with the focus.
    void dialogKey(int virtualKey);
    HWND hwnd() const { return page_.hwnd(); }

    // The detection and device dialog buttons belong to the window's menus.
    std::function<void()> onDetect;
    std::function<void()> onCalibrate;

private:
    void createControls();
    void wireEvents();
    void layout(int width, int height);
    void rememberLeftBox(FocusedControl box);
    // Runs a handler of the model, then the window copies what changed.
    template <typename Handler>
    void route(Handler handler) {
        if (!form_) return;
        handler(form_->options());
        changed_();
    }

    MainForm* form_ = nullptr;
    std::function<void()> changed_;
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
