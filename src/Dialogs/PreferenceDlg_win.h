#pragma once

#include <array>

#include "Dialogs/PreferenceForm.h"
#include "Ui/Button_win.h"
#include "Ui/ComboBox_win.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/Edit_win.h"
#include "Ui/FormLink.h"
#include "Ui/Label_win.h"

namespace vrx {

// "設定": the global settings, over the preference form model. OK closes
// only when the model stored the settings; Cancel leaves them alone.
class PreferenceDialog : public ui::DialogWindow {
public:
    explicit PreferenceDialog(PreferenceForm& form);

protected:
    SIZE designSize() const override { return {600, 614}; }
    void createControls() override;
    void layout() override;

private:
    void wireEvents();
    // The model's state into the controls, after each handler.
    void refresh();
    void btnOKClick();

    PreferenceForm& form_;
    ui::FormLink<PreferenceForm> link_{form_, [this] { refresh(); }};
    ui::GroupBox GroupBox1;
    ui::CheckBox cbStartIconified, cbExitMeansMinimize, cbHideWhenMinimized;
    ui::GroupBox GroupBox2;
    ui::CheckBox cbNotifyBalloon, cbNotifySound;
    ui::Edit editSoundFile;
    ui::Button btnSoundFile;
    ui::CheckBox cbNotifyProfileImage;
    ui::Edit editProfileImageDuration;
    ui::Label lblProfileImageDurationUnit;
    ui::GroupBox radioProfileImagePosition;
    std::array<ui::RadioButton, PreferenceForm::kChoices> profileImagePositions;
    ui::CheckBox cbIgnoreInputAfterProfileSwitch;
    ui::Edit editIgnoreInputAfterProfileSwitch;
    ui::Label lblProfileSwitchUnit, lblProfileSwitchNote;
    ui::GroupBox GroupBox3;
    ui::CheckBox cbIgnoreInputAfterShiftSwitch;
    ui::Edit editIgnoreInputAfterShiftSwitch;
    ui::Label lblShiftSwitchUnit, lblShiftSwitchNote;
    ui::GroupBox GroupBox4;
    ui::CheckBox cbHighlightButtons, cbHighlightButtonsForAllTabs, cbSkipForegroundProcessing;
    ui::GroupBox GroupBox5;
    ui::CheckBox cbShowDebugLog;
    ui::GroupBox rgTurboMode;
    std::array<ui::RadioButton, PreferenceForm::kChoices> turboModes;
    ui::Label Label4;
    ui::ComboBox cbXInputSupport;
    ui::Button btnOK, btnCancel;
};

}  // namespace vrx
