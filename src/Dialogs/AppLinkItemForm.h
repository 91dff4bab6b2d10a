#pragma once

#include <optional>
#include <string>
#include <vector>

#include "AppLink/AppLinkData.h"
#include "Dialogs/AppLinkLinks.h"

namespace vrx {

// The dialog of one rule ("アプリケーションの関連付け") without its window.
class AppLinkItemForm {
public:
    AppLinkItemForm(const std::vector<std::string>& profileNames, WindowCapture& capture, DialogMessages& messages);

    // --- State the view shows ---
    const std::string& EditAppName() const { return appName_; }
    // CBConfigFile: its entries and its text (set, not chosen, on Edit).
    const std::vector<std::string>& configFileChoices() const { return configFileChoices_; }
    const std::string& CBConfigFile() const { return configFile_; }
    const std::string& EditPath() const { return path_; }
    const std::string& EditTitle() const { return title_; }

    bool closeRequested() const { return close_; }
    bool confirmed() const { return confirmed_; }
    // The rule the fields make, and the rule as the user confirmed it:
    // nothing unless OK passed its checks.
    AppLinkRecord rule() const;
    std::optional<AppLinkRecord> result() const;

    // --- Handlers ---
    void FormCreate();
    // The fields from a rule, before the dialog shows.
    void fill(const AppLinkRecord& rule);
    void EditAppNameChange(std::string text);
    // The user typed into the box, or chose an entry of its list.
    void CBConfigFileChange(std::string text);
    void CBConfigFileSelect(int index);
    void EditPathChange(std::string text);
    void EditTitleChange(std::string text);
    void btnCaptureAppClick();
    // The checks in their order; a failed one keeps the dialog open.
    void btnOKClick();
    void btnCancelClick();

private:
    const std::vector<std::string>& profileNames_;
    WindowCapture& capture_;
    DialogMessages& messages_;
    std::string appName_;
    std::vector<std::string> configFileChoices_;
    std::string configFile_;
    std::string path_;
    std::string title_;
    bool close_ = false;
    bool confirmed_ = false;
};

}  // namespace vrx
