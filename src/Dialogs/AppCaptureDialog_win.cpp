#include "Dialogs/AppCaptureDialog_win.h"

namespace vrx {
namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kOneSecond = 1000;

}  // namespace

AppCaptureDialog::AppCaptureDialog(const AppLinkDialogParts& parts)
    : form_(AppCaptureParts{parts.foreground, parts.windows, parts.host, messages_, parts.log}) {
    setTitle("タイマーを使ったアプリケーション情報の取得");
}

std::optional<CapturedWindow> AppCaptureDialog::capture(HWND owner) {
    showModal(owner);
    return form_.result();
}

void AppCaptureDialog::createControls() {
    lblExplanation.create(hwnd(), "ボタンを押した後、関連付けたいアプリケーションを選んで待っていてください。");
    editSeconds.create(hwnd(), {}, {.maxLength = 6});
    editSeconds.onChange = [this] {
        link_([text = editSeconds.text()](AppCaptureForm& f) { f.editSecondsChange(text); });
    };
    lblSeconds.create(hwnd(), "秒後に、アクティブになっているアプリケーションの情報を取得します。");
    btnCapture.create(hwnd(), "タイマーを使ってアプリケーション情報を取得", true);
    btnCapture.onClick = [this] { link_([](AppCaptureForm& f) { f.btnCaptureClick(); }); };
    setDefaultButton(btnCapture);
    btnCancel.create(hwnd(), "Cancel", false, IDCANCEL);
    btnCancel.onClick = [this] { cancel(); };
    link_([](AppCaptureForm& f) { f.FormCreate(); });
}

void AppCaptureDialog::layout() {
    place(lblExplanation, 12, 12, 476, 20);
    place(editSeconds, 12, 42, 48, 24);
    place(lblSeconds, 66, 45, 422, 20);
    place(btnCapture, 12, 88, 340, 30);
    place(btnCancel, 392, 88, 96, 30);
}

void AppCaptureDialog::cancel() {
    link_([](AppCaptureForm& f) { f.btnCancelClick(); });
}

bool AppCaptureDialog::handleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_TIMER || wParam != kTimer1) return false;
    link_([](AppCaptureForm& f) { f.Timer1Timer(); });
    result = 0;
    return true;
}

void AppCaptureDialog::refresh() {
    editSeconds.showText(form_.editSeconds());
    if (form_.timerEnabled() && !timerRunning_) SetTimer(hwnd(), kTimer1, kOneSecond, nullptr);
    if (!form_.timerEnabled() && timerRunning_) KillTimer(hwnd(), kTimer1);
    timerRunning_ = form_.timerEnabled();
    if (form_.closeRequested()) endDialog(form_.captured() ? IDOK : IDCANCEL);
}

}  // namespace vrx
