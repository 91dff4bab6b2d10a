#pragma once

#include <optional>

#include "Dialogs/AppCaptureForm.h"
#include "Dialogs/AppLinkDialog_win.h"
#include "Dialogs/DialogMessageBox_win.h"
#include "Ui/Button_win.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/Edit_win.h"
#include "Ui/FormLink.h"
#include "Ui/Label_win.h"

namespace vrx {

// The capture dialog ("タイマーを使ったアプリケーション情報の取得"): counts
// down with the program minimized, then reads the window in front.
class AppCaptureDialog final : public ui::DialogWindow {
public:
    explicit AppCaptureDialog(const AppLinkDialogParts& parts);

    // Shows the dialog modal over owner; the window it captured, nothing
    // when cancelled.
    std::optional<CapturedWindow> capture(HWND owner);

protected:
    SIZE designSize() const override { return {500, 132}; }
    void createControls() override;
    void layout() override;
    void cancel() override;
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Shows the seconds, starts or stops Timer1 as the model says, and
    // closes when it asks.
    void refresh();

    OwnedMessageBoxes messages_{*this};
    AppCaptureForm form_;
    ui::FormLink<AppCaptureForm> link_{form_, [this] { refresh(); }};
    // Whether the system runs Timer1 for this window now.
    bool timerRunning_ = false;
    ui::Label lblExplanation;
    ui::Edit editSeconds;
    ui::Label lblSeconds;
    ui::Button btnCapture;
    ui::Button btnCancel;
};

}  // namespace vrx
