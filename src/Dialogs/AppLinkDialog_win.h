#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Dialogs/AppLinkForm.h"
#include "Dialogs/AppLinkLinks.h"
#include "Dialogs/DialogMessageBox_win.h"
#include "Joystick/ForegroundTracking.h"
#include "Joystick/ForegroundWindow.h"
#include "Ui/Button_win.h"
#include "Ui/ComboBox_win.h"
#include "Ui/DialogWindow_win.h"
#include "Ui/FormLink.h"
#include "Ui/ListView_win.h"

namespace vrx {

class AppLinkManager;
class Logger;

// What the application-link dialogs work with.
struct AppLinkDialogParts {
    AppLinkManager& manager;
    // The profile list's names, in its order.
    const std::vector<std::string>& profileNames;
    const ForegroundWindowSource& foreground;
    const WindowInfoSource& windows;
    CaptureHost& host;
    Logger& log;
};

// The rule list dialog ("アプリケーションとの関連付け"), opened from the main
// menu. It applies what the user confirms itself.
class AppLinkDialog final : public ui::DialogWindow, private AppLinkItemEditor {
public:
    explicit AppLinkDialog(const AppLinkDialogParts& parts);

protected:
    SIZE designSize() const override { return {740, 492}; }
    void createControls() override;
    void layout() override;
    void cancel() override;

private:
    std::optional<AppLinkRecord> editRule(const AppLinkRecord& rule) override;
    // Shows the model: the rows, the choices; closes when it asks.
    void refresh();

    AppLinkDialogParts parts_;
    OwnedMessageBoxes messages_{*this};
    AppLinkForm form_;
    ui::FormLink<AppLinkForm> link_{form_, [this] { refresh(); }};
    ui::ListView LVAppLink;
    ui::Button btnAdd;
    ui::Button btnEdit;
    ui::Button btnDelete;
    ui::GroupBox GroupBox1;
    ui::RadioButton rbNoAction;
    ui::RadioButton rbUseLastSelected;
    ui::RadioButton rbUseDefaultConfig;
    ui::ComboBox cbDefaultConfig;
    ui::Button btnOK;
    ui::Button btnCancel;
};

}  // namespace vrx
