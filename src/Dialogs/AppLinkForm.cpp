#include "Dialogs/AppLinkForm.h"

#include <utility>

#include "AppLink/AppLinkManager.h"
#include "Dialogs/ProfileChoices.h"

namespace vrx {

AppLinkForm::AppLinkForm(AppLinkFormParts parts) : parts_(parts) {}

void AppLinkForm::FormCreate() {
    const AppLinkData& data = parts_.manager.data();
    rows = data.rules;
    selectedRow = -1;
    rbNoAction = data.noMatchAction == kNoMatchNothing;
    rbUseDefaultConfig = data.noMatchAction == kNoMatchDefaultConfig;
    rbUseLastSelected = !rbNoAction && !rbUseDefaultConfig;
    defaultConfigChoices = profileChoices(parts_.profileNames);
    // A default profile that no longer exists shows as the empty entry.
    cbDefaultConfigSelect(findProfileChoice(defaultConfigChoices, data.defaultConfig));
    close_ = false;
    confirmed_ = false;
}

void AppLinkForm::btnAddClick() {
    if (std::optional<AppLinkRecord> rule = parts_.itemEditor.editRule({})) rows.push_back(std::move(*rule));
}

void AppLinkForm::btnEditClick() {
    if (!hasSelectedRow()) return;
    const auto row = static_cast<size_t>(selectedRow);
    if (std::optional<AppLinkRecord> rule = parts_.itemEditor.editRule(rows[row])) rows[row] = std::move(*rule);
}

void AppLinkForm::btnDeleteClick() {
    if (!hasSelectedRow()) return;
    const auto row = static_cast<size_t>(selectedRow);
    const std::string question = "\"" + rows[row].appName + "\" への関連付けを削除してもよろしいですか？";
    if (parts_.messages.message(question, "Warning", MessageIcon::Warning, MessageButtons::YesNo) == MessageAnswer::No)
        return;
    rows.erase(rows.begin() + selectedRow);
    selectedRow = -1;
}

void AppLinkForm::cbDefaultConfigSelect(int index) {
    const bool inList = index >= 0 && index < static_cast<int>(defaultConfigChoices.size());
    defaultConfigIndex = inList ? index : 0;
    defaultConfigText = defaultConfigChoices[static_cast<size_t>(defaultConfigIndex)];
}

void AppLinkForm::cbDefaultConfigEdit(std::string text) {
    defaultConfigText = std::move(text);
    defaultConfigIndex = -1;
}

int AppLinkForm::chosenNoMatchAction(int current) const {
    if (rbNoAction) return kNoMatchNothing;
    if (rbUseLastSelected) return kNoMatchLastSelected;
    if (rbUseDefaultConfig) return kNoMatchDefaultConfig;
    return current;
}

std::string AppLinkForm::chosenDefaultConfig() const {
    // Text typed into the box counts when it names a profile (in any letter
    // case, as everywhere profiles are looked up), spelt as the list spells
    // it; anything else would name no profile and is not kept.
    const int index =
        defaultConfigIndex >= 0 ? defaultConfigIndex : findProfileChoice(defaultConfigChoices, defaultConfigText);
    return index > 0 ? defaultConfigChoices[static_cast<size_t>(index)] : std::string();
}

void AppLinkForm::btnOKClick() {
    AppLinkManager& manager = parts_.manager;
    AppLinkData data{chosenNoMatchAction(manager.data().noMatchAction), chosenDefaultConfig(), rows};
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
