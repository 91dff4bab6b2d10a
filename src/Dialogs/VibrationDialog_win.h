#pragma once

#include "Dialogs/VibrationForm.h"
#include "Ui/Button_win.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/Edit_win.h"
#include "Ui/FormLink.h"
#include "Ui/Label_win.h"
#include "Ui/TrackBar_win.h"

namespace vrx {

// "コントローラーを振動させる": the profile's rumble on a switch, over the
// form model. Closes with IDOK once the model stored the values.
class VibrationDialog : public ui::DialogWindow {
public:
    explicit VibrationDialog(VibrationForm& form);

protected:
    SIZE designSize() const override { return {360, 168}; }
    void createControls() override;
    void layout() override;
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void refresh();
    // Where the focus is now that it left the duration box.
    VibrationForm::FocusMove focusMove() const;
    void focusDurationIfAsked();

    VibrationForm& form_;
    ui::FormLink<VibrationForm> link_{form_, [this] { refresh(); }};
    ui::Label lblVibration1;
    ui::TrackBar tbVibration1;
    ui::Label lblVibration1Value;
    ui::Label lblVibration2;
    ui::TrackBar tbVibration2;
    ui::Label lblVibration2Value;
    ui::Label lblVibrationDuration;
    ui::Edit editVibrationDuration;
    ui::Button btnOK, btnCancel;
};

}  // namespace vrx
