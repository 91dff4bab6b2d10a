#include "Dialogs/VibrationDialog_win.h"

namespace vrx {
namespace {

constexpr int kPageSize = 10;
constexpr UINT kCheckDuration = WM_APP + 1;

}  // namespace

VibrationDialog::VibrationDialog(VibrationForm& form) : form_(form) { setTitle("コントローラーを振動させる"); }

void VibrationDialog::createControls() {
    const HWND p = hwnd();
    lblVibration1.create(p, "左モーター");
    tbVibration1.create(p, 0, 100);
    lblVibration1Value.create(p, {}, {.align = ui::TextAlign::Right});
    lblVibration2.create(p, "右モーター");
    tbVibration2.create(p, 0, 100);
    lblVibration2Value.create(p, {}, {.align = ui::TextAlign::Right});
    for (ui::TrackBar* bar : {&tbVibration1, &tbVibration2}) {
        bar->setPageSize(kPageSize);
        bar->setTickFrequency(kPageSize);
    }
    lblVibrationDuration.create(p, "振動時間 (ミリ秒)");
    editVibrationDuration.create(p, {}, {.maxLength = 11});
    btnOK.create(p, "OK", true, IDOK);
    setDefaultButton(btnOK);
    btnCancel.create(p, "Cancel", false, IDCANCEL);

    tbVibration1.onChange = [this](int position) {
        form_.tbVibration1Change(position);
        showState();
    };
    tbVibration2.onChange = [this](int position) {
        form_.tbVibration2Change(position);
        showState();
    };
    // No box may be shown while the focus moves: the check runs once it has.
    editVibrationDuration.onExit = [this] { PostMessageW(hwnd(), kCheckDuration, 0, 0); };
    btnOK.onClick = [this] {
        if (form_.btnOKClick(editVibrationDuration.text()))
            endDialog(IDOK);
        else
            focusDurationIfAsked();
    };
    btnCancel.onClick = [this] { cancel(); };

    form_.FormCreate();
    tbVibration1.setValue(form_.state().speed1);
    tbVibration2.setValue(form_.state().speed2);
    editVibrationDuration.setText(form_.state().duration);
    showState();
}

// Only a box left for another control of this dialog is checked; one left
// for Cancel, or because the dialog lost the focus, is not.
bool VibrationDialog::handleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != kCheckDuration) return false;
    const HWND focus = GetFocus();
    if (focus && IsChild(hwnd(), focus) && !btnCancel.focused() && !editVibrationDuration.focused() &&
        !form_.editVibrationDurationExit(editVibrationDuration.text()))
        focusDurationIfAsked();
    result = 0;
    return true;
}

void VibrationDialog::showState() {
    lblVibration1Value.setText(form_.state().speed1Label);
    lblVibration2Value.setText(form_.state().speed2Label);
}

void VibrationDialog::focusDurationIfAsked() {
    if (!form_.focusDurationRequested()) return;
    editVibrationDuration.setFocus();
    editVibrationDuration.selectAll();
}

void VibrationDialog::layout() {
    place(lblVibration1, 12, 16, 80, 20);
    place(tbVibration1, 92, 10, 200, 30);
    place(lblVibration1Value, 296, 16, 52, 20);
    place(lblVibration2, 12, 56, 80, 20);
    place(tbVibration2, 92, 50, 200, 30);
    place(lblVibration2Value, 296, 56, 52, 20);
    place(lblVibrationDuration, 12, 96, 130, 20);
    place(editVibrationDuration, 146, 93, 80, 23);
    place(btnOK, 164, 130, 88, 28);
    place(btnCancel, 260, 130, 88, 28);
}

}  // namespace vrx
