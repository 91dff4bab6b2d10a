#include "Dialogs/AppLinkItemForm.h"

#include <optional>
#include <utility>

#include "Dialogs/ProfileChoices.h"

namespace vrx {

AppLinkItemForm::AppLinkItemForm(const std::vector<std::string>& profileNames, WindowCapture& capture,
                                 DialogMessages& messages)
    : profileNames_(profileNames), capture_(capture), messages_(messages) {}

void AppLinkItemForm::FormCreate() {
    configFileChoices_ = profileChoices(profileNames_);
    close_ = false;
    confirmed_ = false;
}

void AppLinkItemForm::fill(const AppLinkRecord& rule) {
    appName_ = rule.appName;
    configFile_ = rule.profile;
    path_ = rule.path;
    title_ = rule.title;
}

AppLinkRecord AppLinkItemForm::rule() const { return {appName_, configFile_, path_, title_}; }

std::optional<AppLinkRecord> AppLinkItemForm::result() const {
    if (!confirmed_) return std::nullopt;
    return rule();
}

void AppLinkItemForm::EditAppNameChange(std::string text) { appName_ = std::move(text); }

void AppLinkItemForm::CBConfigFileChange(std::string text) { configFile_ = std::move(text); }

void AppLinkItemForm::CBConfigFileSelect(int index) {
    if (index >= 0 && index < static_cast<int>(configFileChoices_.size()))
        configFile_ = configFileChoices_[static_cast<size_t>(index)];
}

void AppLinkItemForm::EditPathChange(std::string text) { path_ = std::move(text); }

void AppLinkItemForm::EditTitleChange(std::string text) { title_ = std::move(text); }

void AppLinkItemForm::btnCaptureAppClick() {
    const std::optional<CapturedWindow> captured = capture_.captureWindow();
    if (!captured) return;
    // The whole title and path; the user usually shortens them afterwards.
    appName_ = captured->title;
    title_ = captured->title;
    path_ = captured->path;
}

void AppLinkItemForm::btnOKClick() {
    if (appName_.empty()) {
        messages_.message("アプリケーション名を指定してください", "Error", MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    // A rule may keep a profile that does not exist (yet): it then matches
    // without switching.
    if (findProfileChoice(configFileChoices_, configFile_) < 1 &&
        messages_.message("関連付ける設定ファイルが空または不正です。関連付けを解除しますか？", "Warning",
                          MessageIcon::Warning, MessageButtons::OkCancel) == MessageAnswer::Cancel)
        return;
    if (path_.empty() && title_.empty()) {
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
