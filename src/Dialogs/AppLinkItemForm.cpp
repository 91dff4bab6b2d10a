#include "Dialogs/AppLinkItemForm.h"

#include <optional>

#include "Dialogs/ProfileChoices.h"

namespace vrx {

AppLinkItemForm::AppLinkItemForm(const std::vector<std::string>& profileNames, WindowCapture& capture,
                                 DialogMessages& messages)
    : profileNames_(profileNames), capture_(capture), messages_(messages) {}

void AppLinkItemForm::FormCreate() {
    configFileChoices = profileChoices(profileNames_);
    close_ = false;
    confirmed_ = false;
}

void AppLinkItemForm::fill(const AppLinkRecord& rule) {
    EditAppName = rule.appName;
    CBConfigFile = rule.profile;
    EditPath = rule.path;
    EditTitle = rule.title;
}

AppLinkRecord AppLinkItemForm::rule() const { return {EditAppName, CBConfigFile, EditPath, EditTitle}; }

void AppLinkItemForm::btnCaptureAppClick() {
    const std::optional<CapturedWindow> captured = capture_.captureWindow();
    if (!captured) return;
    // The whole title and path; the user usually shortens them afterwards.
    EditAppName = captured->title;
    EditTitle = captured->title;
    EditPath = captured->path;
}

void AppLinkItemForm::btnOKClick() {
    if (EditAppName.empty()) {
        messages_.message("アプリケーション名を指定してください", "Error", MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    // A rule may keep a profile that does not exist (yet): it then matches
    // without switching.
    if (findProfileChoice(configFileChoices, CBConfigFile) < 1 &&
        messages_.message("関連付ける設定ファイルが空または不正です。関連付けを解除しますか？", "Warning",
                          MessageIcon::Warning, MessageButtons::OkCancel) == MessageAnswer::Cancel)
        return;
    if (EditPath.empty() && EditTitle.empty()) {
        messages_.message("アプリケーションの Path、もしくは Window Title を指定してください", "Error",
                          MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    confirmed_ = true;
    close_ = true;
}

void AppLinkItemForm::btnCancelClick() {
    confirmed_ = false;
    close_ = true;
}

}  // namespace vrx
