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
    if (!form_.captured) return std::nullopt;
    return CapturedWindow{form_.capturedTitle, form_.capturedPath};
}

void AppCaptureDialog::createControls() {
    form_.FormCreate();
    lblExplanation.create(hwnd(), "ボタンを押した後、関連付けたいアプリケーションを選んで待っていてください。");
    editSeconds.create(hwnd(), form_.editSeconds, {.maxLength = 6});
    lblSeconds.create(hwnd(), "秒後に、アクティブになっているアプリケーションの情報を取得します。");
    btnCapture.create(hwnd(), "タイマーを使ってアプリケーション情報を取得", true);
    btnCapture.onClick = [this] {
        form_.editSeconds = editSeconds.text();
        form_.btnCaptureClick();
        followForm();
    };
    setDefaultButton(btnCapture);
    btnCancel.create(hwnd(), "Cancel", false, IDCANCEL);
    btnCancel.onClick = [this] { cancel(); };
}

void AppCaptureDialog::layout() {
    place(lblExplanation, 12, 12, 476, 20);
    place(editSeconds, 12, 42, 48, 24);
    place(lblSeconds, 66, 45, 422, 20);
    place(btnCapture, 12, 88, 340, 30);
    place(btnCancel, 392, 88, 96, 30);
}

void AppCaptureDialog::cancel() {
    form_.btnCancelClick();
    followForm();
}

bool AppCaptureDialog::handleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_TIMER || wParam != kTimer1) return false;
    form_.Timer1Timer();
    followForm();
    result = 0;
    return true;
}

void AppCaptureDialog::followForm() {
    if (form_.timerEnabled() && !timerRunning_) SetTimer(hwnd(), kTimer1, kOneSecond, nullptr);
    if (!form_.timerEnabled() && timerRunning_) KillTimer(hwnd(), kTimer1);
    timerRunning_ = form_.timerEnabled();
    if (form_.closeRequested()) endDialog(form_.captured ? IDOK : IDCANCEL);
}

}  // namespace vrx
