#include "Dialogs/AppLinkForm.h"

#include <optional>
#include <utility>

#include "AppLink/AppLinkManager.h"
#include "Dialogs/ProfileChoices.h"

namespace vrx {

AppLinkForm::AppLinkForm(AppLinkFormParts parts) : parts_(parts) {}

void AppLinkForm::FormCreate() {
    const AppLinkData& data = parts_.manager.data();
    rows_ = data.rules;
    selectedRow_ = -1;
    rbNoAction_ = data.noMatchAction == kNoMatchNothing;
    rbUseDefaultConfig_ = data.noMatchAction == kNoMatchDefaultConfig;
    rbUseLastSelected_ = !rbNoAction_ && !rbUseDefaultConfig_;
    defaultConfigChoices_ = profileChoices(parts_.profileNames);
    // A default profile that no longer exists shows as the empty entry.
    cbDefaultConfigSelect(findProfileChoice(defaultConfigChoices_, data.defaultConfig));
    close_ = false;
    confirmed_ = false;
}

void AppLinkForm::LVAppLinkSelectItem(int row) {
    selectedRow_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
}

void AppLinkForm::btnAddClick() {
    if (std::optional<AppLinkRecord> rule = parts_.itemEditor.editRule({})) rows_.push_back(std::move(*rule));
}

void AppLinkForm::btnEditClick() {
    if (!hasSelectedRow()) return;
    const auto row = static_cast<size_t>(selectedRow_);
    if (std::optional<AppLinkRecord> rule = parts_.itemEditor.editRule(rows_[row])) rows_[row] = std::move(*rule);
}

void AppLinkForm::btnDeleteClick() {
    if (!hasSelectedRow()) return;
    const auto row = static_cast<size_t>(selectedRow_);
    const std::string question = "\"" + rows_[row].appName + "\" への関連付けを削除してもよろしいですか？";
    if (parts_.messages.message(question, "Warning", MessageIcon::Warning, MessageButtons::YesNo) == MessageAnswer::No)
        return;
    rows_.erase(rows_.begin() + selectedRow_);
    selectedRow_ = -1;
}

void AppLinkForm::checkRadio(bool& radio, bool checked) {
    if (checked) rbNoAction_ = rbUseLastSelected_ = rbUseDefaultConfig_ = false;
    radio = checked;
}

void AppLinkForm::rbNoActionClick(bool checked) { checkRadio(rbNoAction_, checked); }

void AppLinkForm::rbUseLastSelectedClick(bool checked) { checkRadio(rbUseLastSelected_, checked); }

void AppLinkForm::rbUseDefaultConfigClick(bool checked) { checkRadio(rbUseDefaultConfig_, checked); }

void AppLinkForm::cbDefaultConfigSelect(int index) {
    const bool inList = index >= 0 && index < static_cast<int>(defaultConfigChoices_.size());
    defaultConfigIndex_ = inList ? index : 0;
    defaultConfigText_ = defaultConfigChoices_[static_cast<size_t>(defaultConfigIndex_)];
}

void AppLinkForm::cbDefaultConfigEdit(std::string text) {
    defaultConfigText_ = std::move(text);
    defaultConfigIndex_ = -1;
}

int AppLinkForm::chosenNoMatchAction(int current) const {
    if (rbNoAction_) return kNoMatchNothing;
    if (rbUseLastSelected_) return kNoMatchLastSelected;
    if (rbUseDefaultConfig_) return kNoMatchDefaultConfig;
    return current;
}

std::string AppLinkForm::chosenDefaultConfig() const {
    // Text typed into the box counts when it names a profile (in any letter
    // case, as everywhere profiles are looked up), spelt as the list spells
    // it; anything else would name no profile and is not kept.
    const int index =
        defaultConfigIndex_ >= 0 ? defaultConfigIndex_ : findProfileChoice(defaultConfigChoices_, defaultConfigText_);
    return index > 0 ? defaultConfigChoices_[static_cast<size_t>(index)] : std::string();
}

void AppLinkForm::btnOKClick() {
    AppLinkManager& manager = parts_.manager;
    AppLinkData data{chosenNoMatchAction(manager.data().noMatchAction), chosenDefaultConfig(), rows_};
    manager.replace(std::move(data));
    if (!manager.save())
        parts_.messages.message("\"AppLink.dat\" を保存できませんでした。\n\n詳細は Vantorix.log をご確認ください。",
                                "Error", MessageIcon::Error, MessageButtons::Ok);
    confirmed_ = true;
    close_ = true;
}

void AppLinkForm::btnCancelClick() {
    confirmed_ = false;
    close_ = true;
}

}  // namespace vrx
