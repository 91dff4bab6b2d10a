#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Joybutton/KeyCode.h"

namespace vrx {

class DeviceTemplateManager;
class NameAsker;
class TDeviceTemplate;

// The template dialog ("ボタン表示テンプレートの設定") without its window: the
// template list, and the 128 rows of the shown template with the in-place
// editor. Template changes live in the manager at once; templates.json is
// written when the dialog closes after a change.
class DeviceTemplateForm {
public:
    static constexpr int kRows = 128;
    static constexpr int kUpKey = 38;
    static constexpr int kDownKey = 40;
    static constexpr int kF2Key = 113;
    static constexpr int kLabelColumn = 1;

    // Opens on the template with this identifier; an empty or unknown one
    // opens on "DEFAULT".
    DeviceTemplateForm(DeviceTemplateManager& templates, NameAsker& ui, const std::string& templateId);

    // --- State the view shows ---
    const std::vector<std::string>& templateItems() const { return templateItems_; }
    int templateSelection() const { return templateSelection_; }
    // The rows' captions ("[1]" ...) and labels.
    static std::string rowCaption(int row) { return "[" + std::to_string(row + 1) + "]"; }
    const std::vector<std::string>& labels() const { return labels_; }
    // Counts the fillings of the rows from a template: each one shows the
    // list anew, from its top.
    int rowFillings() const { return rowFillings_; }
    bool editorVisible() const { return editedRow_ >= 0; }
    int editedRow() const { return editedRow_; }  // -1 none
    // What the editor shows when it opens on a row.
    const std::string& editorText() const { return editorText_; }
    // Counts the openings of the editor on a row, the same row again
    // included: each one puts the row's label into it, all selected, for
    // the user to type over.
    int editorOpenings() const { return editorOpenings_; }
    bool labelsModified() const { return labelsModified_; }
    const std::string& resultTemplateId() const { return resultTemplateId_; }
    TDeviceTemplate* selectedTemplate() const { return selected_; }
    bool closeRequested() const { return close_; }

    // --- Handlers ---
    void cbTemplatesSelect(int index);
    // A click on the list at a row and column (-1 for none): the row whose
    // label cell is to be edited, which the view posts to itself
    // (WM_VRX_EDIT_BUTTON_LABEL); nothing when the click hid the editor
    // instead.
    std::optional<int> lvButtonLabelsClick(int row, int column);
    // A key on the list, whose chosen row is selectedRow (-1 none): F2
    // edits that row's label, for those who work without a mouse. The row
    // to be edited as after a click; nothing for any other key, which the
    // list then handles itself.
    std::optional<int> lvButtonLabelsKeyDown(int virtualKey, int selectedRow);
    // WM_VRX_EDIT_BUTTON_LABEL.
    void editButtonLabel(int row);
    // text: the editor's text now. True when the key was consumed (Enter,
    // Up, Down); the editor has then moved to editedRow().
    bool ListViewCellEditorKeyDown(int virtualKey, const std::string& text);
    void ListViewCellEditorExit(const std::string& text);
    void btnEditTemplateNameClick();
    void btnCreateNewTemplateClick();
    // OK, and Escape and the close box alike: they store and save too.
    // editorText: what the editor holds, which counts as typed while it is
    // open on a row.
    void btnOkClick(const std::string& editorText = {});
    void FormClose(const std::string& editorText = {}) { btnOkClick(editorText); }

private:
    void fillTemplates();
    void storeLabels();
    void writeEditedRow(const std::string& text);

    DeviceTemplateManager& templates_;
    NameAsker& ui_;
    std::vector<std::string> templateItems_;
    std::vector<std::string> templateIds_;
    int templateSelection_ = -1;
    TDeviceTemplate* selected_ = nullptr;
    std::vector<std::string> labels_;
    int rowFillings_ = 0;
    int editedRow_ = -1;
    std::string editorText_;
    int editorOpenings_ = 0;
    bool labelsModified_ = false;
    std::string resultTemplateId_;
    bool close_ = false;
};

}  // namespace vrx
