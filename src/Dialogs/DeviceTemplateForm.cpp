#include "Dialogs/DeviceTemplateForm.h"

#include <memory>

#include "DeviceConfig/DeviceTemplateManager.h"
#include "Dialogs/DeviceDialogLinks.h"

namespace vrx {
namespace {

constexpr char kNamePrompt[] = "このテンプレートの名前を入力してください";

}  // namespace

DeviceTemplateForm::DeviceTemplateForm(DeviceTemplateManager& templates, NameAsker& ui, const std::string& templateId)
    : templates_(templates), ui_(ui) {
    selected_ = templateId.empty() ? nullptr : templates_.find(templateId);
    if (!selected_) selected_ = templates_.find("DEFAULT");
    fillTemplates();
}

void DeviceTemplateForm::fillTemplates() {
    templateItems_.clear();
    templateIds_.clear();
    int selection = 0;
    for (auto& [id, name] : templates_.idsAndNames()) {
        if (selected_ && id == selected_->id) selection = static_cast<int>(templateIds_.size());
        templateIds_.push_back(std::move(id));
        templateItems_.push_back(std::move(name));
    }
    cbTemplatesSelect(selection);
}

void DeviceTemplateForm::cbTemplatesSelect(int index) {
    if (index < 0 || index >= static_cast<int>(templateIds_.size())) return;
    storeLabels();
    editedRow_ = -1;
    templateSelection_ = index;
    selected_ = templates_.find(templateIds_[static_cast<size_t>(index)]);
    labels_.assign(kRows, kGenericButtonLabel);
    ++rowFillings_;
    if (!selected_) return;
    for (int row = 0; row < kRows; ++row)
        if (const std::string* name = selected_->buttonName(row + 1)) labels_[static_cast<size_t>(row)] = *name;
}

void DeviceTemplateForm::storeLabels() {
    if (selected_) selected_->storeLabels(labels_);
}

std::optional<int> DeviceTemplateForm::lvButtonLabelsClick(int row, int column) {
    if (row < 0 || row >= static_cast<int>(labels_.size()) || column != kLabelColumn) {
        editedRow_ = -1;
        return std::nullopt;
    }
    return row;
}

std::optional<int> DeviceTemplateForm::lvButtonLabelsKeyDown(int virtualKey, int selectedRow) {
    // Without a chosen row F2 is left to the list, which does nothing with
    // it either: its labels are not edited by the list itself.
    if (virtualKey != kF2Key || selectedRow < 0 || selectedRow >= static_cast<int>(labels_.size()))
        return std::nullopt;
    return selectedRow;
}

void DeviceTemplateForm::editButtonLabel(int row) {
    if (row < 0 || row >= static_cast<int>(labels_.size())) return;
    editedRow_ = row;
    editorText_ = labels_[static_cast<size_t>(row)];
    ++editorOpenings_;
}

void DeviceTemplateForm::writeEditedRow(const std::string& text) {
    std::string& label = labels_[static_cast<size_t>(editedRow_)];
    if (text == label) return;
    label = text;
    labelsModified_ = true;
}

bool DeviceTemplateForm::ListViewCellEditorKeyDown(int virtualKey, const std::string& text) {
    if (virtualKey != kEnterKey && virtualKey != kUpKey && virtualKey != kDownKey) return false;
    if (editedRow_ < 0) return true;
    writeEditedRow(text);
    const int last = static_cast<int>(labels_.size()) - 1;
    const int next = virtualKey == kUpKey ? editedRow_ - 1 : editedRow_ + 1;
    editButtonLabel(next < 0 ? 0 : next > last ? last : next);
    return true;
}

void DeviceTemplateForm::ListViewCellEditorExit(const std::string& text) {
    if (editedRow_ < 0) return;
    writeEditedRow(text);
    editedRow_ = -1;
}

void DeviceTemplateForm::btnEditTemplateNameClick() {
    if (!selected_) return;
    const std::string answer = ui_.askName("テンプレート名を編集", kNamePrompt, selected_->name);
    if (answer.empty() || answer == selected_->name) return;
    selected_->name = answer;
    labelsModified_ = true;
    fillTemplates();
}

void DeviceTemplateForm::btnCreateNewTemplateClick() {
    if (!selected_) return;
    const std::string answer = ui_.askName("テンプレートを新規作成", kNamePrompt, selected_->name + " (copy)");
    if (answer.empty()) return;
    std::unique_ptr<TDeviceTemplate> copy = templates_.copy(*selected_);
    copy->name = answer;
    selected_ = &templates_.add(std::move(copy));
    labelsModified_ = true;
    fillTemplates();
}

void DeviceTemplateForm::btnOkClick(const std::string& editorText) {
    ListViewCellEditorExit(editorText);
    close_ = true;
    resultTemplateId_ = selected_ ? selected_->id : std::string();
    if (!labelsModified_) return;
    storeLabels();
    templates_.save();
}

}  // namespace vrx
