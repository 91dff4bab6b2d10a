#pragma once

#include <optional>

#include "Dialogs/AppLinkDialog_win.h"
#include "Dialogs/AppLinkItemForm.h"
#include "Dialogs/DialogMessageBox_win.h"
#include "Ui/Button_win.h"
#include "Ui/ComboBox_win.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/Edit_win.h"
#include "Ui/FormLink.h"
#include "Ui/Label_win.h"

namespace vrx {

// The dialog of one rule ("アプリケーションの関連付け").
class AppLinkItemDialog final : public ui::DialogWindow, private WindowCapture {
public:
    explicit AppLinkItemDialog(const AppLinkDialogParts& parts);

    // Shows the dialog filled with the rule, modal over owner; the rule as
    // confirmed, nothing when cancelled.
    std::optional<AppLinkRecord> editRule(HWND owner, const AppLinkRecord& rule);

protected:
    SIZE designSize() const override { return {460, 382}; }
    void createControls() override;
    void layout() override;
    void cancel() override;

private:
    std::optional<CapturedWindow> captureWindow() override;
    // Shows the model's fields; closes when it asks.
    void refresh();

    AppLinkDialogParts parts_;
    OwnedMessageBoxes messages_{*this};
    AppLinkItemForm form_;
    ui::FormLink<AppLinkItemForm> link_{form_, [this] { refresh(); }};
    ui::Label lblAppName;
    ui::Edit EditAppName;
    ui::Label lblConfigFile;
    ui::ComboBox CBConfigFile;
    ui::Button btnCaptureApp;
    ui::Label lblPath;
    ui::Edit EditPath;
    ui::Label lblPathNote;
    ui::Label lblTitle;
    ui::Edit EditTitle;
    ui::Button btnOK;
    ui::Button btnCancel;
};

}  // namespace vrx
