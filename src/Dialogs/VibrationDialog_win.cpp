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
        link_([position](VibrationForm& f) { f.tbVibration1Change(position); });
    };
    tbVibration2.onChange = [this](int position) {
        link_([position](VibrationForm& f) { f.tbVibration2Change(position); });
    };
    editVibrationDuration.onChange = [this] {
        link_([text = editVibrationDuration.text()](VibrationForm& f) { f.editVibrationDurationChange(text); });
    };
    // No box may be shown while the focus moves: the check runs once it has.
    editVibrationDuration.onExit = [this] { PostMessageW(hwnd(), kCheckDuration, 0, 0); };
    btnOK.onClick = [this] {
        if (link_([](VibrationForm& f) { return f.btnOKClick(); }))
            endDialog(IDOK);
        else
            focusDurationIfAsked();
    };
    btnCancel.onClick = [this] { cancel(); };

    link_([](VibrationForm& f) { f.FormCreate(); });
}

bool VibrationDialog::handleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != kCheckDuration) return false;
    link_([next = focusMove()](VibrationForm& f) { f.editVibrationDurationExit(next); });
    focusDurationIfAsked();
    result = 0;
    return true;
}

VibrationForm::FocusMove VibrationDialog::focusMove() const {
    const HWND focus = GetFocus();
    if (!focus || !IsChild(hwnd(), focus)) return VibrationForm::FocusMove::OutOfTheDialog;
    if (btnCancel.focused()) return VibrationForm::FocusMove::ToCancel;
    if (editVibrationDuration.focused()) return VibrationForm::FocusMove::BackToTheBox;
    return VibrationForm::FocusMove::ToAnotherControl;
}

void VibrationDialog::refresh() {
    const VibrationState& s = form_.state();
    tbVibration1.setValue(s.speed1);
    lblVibration1Value.setText(s.speed1Label);
    tbVibration2.setValue(s.speed2);
    lblVibration2Value.setText(s.speed2Label);
    editVibrationDuration.showText(s.duration);
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
