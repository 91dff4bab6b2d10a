#pragma once

#include <string>
#include <vector>

#include "AppLink/AppLinkData.h"
#include "Dialogs/AppLinkLinks.h"

namespace vrx {

// The dialog of one rule ("アプリケーションの関連付け") without its window.
class AppLinkItemForm {
public:
    AppLinkItemForm(const std::vector<std::string>& profileNames, WindowCapture& capture, DialogMessages& messages);

    std::string EditAppName;
    // CBConfigFile: its entries and its text (set, not chosen, on Edit).
    std::vector<std::string> configFileChoices;
    std::string CBConfigFile;
    std::string EditPath;
    std::string EditTitle;

    bool closeRequested() const { return close_; }
    bool confirmed() const { return confirmed_; }

    void FormCreate();
    // The fields from a rule, and the rule the fields make.
    void fill(const AppLinkRecord& rule);
    AppLinkRecord rule() const;

    void btnCaptureAppClick();
    // The checks in their order; a failed one keeps the dialog open.
    void btnOKClick();
    void btnCancelClick();

private:
    const std::vector<std::string>& profileNames_;
    WindowCapture& capture_;
    DialogMessages& messages_;
    bool close_ = false;
    bool confirmed_ = false;
};

}  // namespace vrx
