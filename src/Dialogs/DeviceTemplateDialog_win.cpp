#include "Dialogs/DeviceTemplateDialog_win.h"

#include "Dialogs/InputNameDialog_win.h"

namespace vrx {

DeviceTemplateDialog::DeviceTemplateDialog(DeviceTemplateManager& templates, const std::string& templateId)
    : DialogWindow(ui::DialogPlacement::CentreOnOwner), form_(templates, *this, templateId) {
    setTitle("ボタン表示テンプレートの設定");
}

std::string DeviceTemplateDialog::askName(const std::string& caption, const std::string& prompt,
                                          const std::string& initial) {
    return askNameOver(hwnd(), caption, prompt, initial);
}

void DeviceTemplateDialog::createControls() {
    lblTemplates.create(hwnd(), "テンプレートを選択");
    cbTemplates.create(hwnd());
    cbTemplates.onChange = [this](int index) {
        form_.cbTemplatesSelect(index);
        fillRows();
    };
    btnEditTemplateName.create(hwnd(), "テンプレート名を編集");
    btnEditTemplateName.onClick = [this] {
        form_.btnEditTemplateNameClick();
        fillTemplates();
    };
    btnCreateNewTemplate.create(hwnd(), "テンプレートを新規作成");
    btnCreateNewTemplate.onClick = [this] {
        form_.btnCreateNewTemplateClick();
        fillTemplates();
    };
    lvButtonLabels.create(hwnd());
    lvButtonLabels.setColumns({{"ボタン番号", 90}, {"ボタン名（ラベル）", 270}});
    lvButtonLabels.onClick = [this](ui::ListView::Cell cell) {
        const int row = form_.lvButtonLabelsClick(cell.row, cell.column);
        if (row >= 0)
            postEditLabel(row);
        else
            syncEditor();
    };
    // F2 edits the chosen row's label, for those who work without a mouse.
    lvButtonLabels.onKeyDown = [this](int virtualKey) {
        if (virtualKey != VK_F2) return false;
        const int row = form_.lvButtonLabelsClick(lvButtonLabels.selectedRow(), DeviceTemplateForm::kLabelColumn);
        if (row >= 0) postEditLabel(row);
        return true;
    };
    // Inside the list, so that it covers the cell it edits.
    ListViewCellEditor.create(lvButtonLabels.hwnd(), {}, {.wantAllKeys = true});
    ListViewCellEditor.setVisible(false);
    ListViewCellEditor.onKeyDown = [this](int virtualKey) {
        const int row = form_.editedRow();
        if (!form_.ListViewCellEditorKeyDown(virtualKey, ListViewCellEditor.text())) return false;
        showTypedLabel(row);
        return true;
    };
    // Enter is taken on its way down; its character would only beep.
    ListViewCellEditor.onChar = [](wchar_t character) { return character == L'\r'; };
    ListViewCellEditor.onExit = [this] {
        const int row = form_.editedRow();
        form_.ListViewCellEditorExit(ListViewCellEditor.text());
        showTypedLabel(row);
    };
    btnOk.create(hwnd(), "OK", true, IDOK);
    btnOk.onClick = [this] { close(); };
    setDefaultButton(btnOk);
    fillTemplates();
}

void DeviceTemplateDialog::fillTemplates() {
    cbTemplates.setItems(form_.templateItems());
    cbTemplates.setSelected(form_.templateSelection());
    fillRows();
}

void DeviceTemplateDialog::fillRows() {
    lvButtonLabels.clear();
    const auto& labels = form_.labels();
    for (int row = 0; row < static_cast<int>(labels.size()); ++row)
        lvButtonLabels.addRow({DeviceTemplateForm::rowCaption(row), labels[static_cast<size_t>(row)]}, row);
    syncEditor();
}

// The editor opens on row after the list has handled the click or key that
// asked for it.
void DeviceTemplateDialog::postEditLabel(int row) {
    PostMessageW(hwnd(), kVrxEditButtonLabel, static_cast<WPARAM>(row), 0);
}

// The label the editor left on row (-1: none) goes into its cell; the editor
// follows the form.
void DeviceTemplateDialog::showTypedLabel(int row) {
    if (row >= 0) lvButtonLabels.setCellText(row, DeviceTemplateForm::kLabelColumn, form_.labels()[row]);
    syncEditor();
}

// The editor over the label cell of the edited row, or hidden.
void DeviceTemplateDialog::syncEditor() {
    if (!form_.editorVisible()) {
        if (ListViewCellEditor.visible()) ListViewCellEditor.setVisible(false);
        return;
    }
    const int row = form_.editedRow();
    lvButtonLabels.setSelectedRow(row);
    ListViewCellEditor.setBounds(lvButtonLabels.cellBounds(row, DeviceTemplateForm::kLabelColumn));
    ListViewCellEditor.setText(form_.editorText());
    ListViewCellEditor.setVisible(true);
    ListViewCellEditor.setFocus();
    ListViewCellEditor.selectAll();
}

void DeviceTemplateDialog::layout() {
    place(lblTemplates, 12, 12, 396, 20);
    place(cbTemplates, 12, 34, 396, 24);
    place(btnEditTemplateName, 12, 68, 190, 28);
    place(btnCreateNewTemplate, 218, 68, 190, 28);
    lvButtonLabels.setDpi(dpi());
    place(lvButtonLabels, 12, 106, 396, 320);
    place(btnOk, 316, 438, 92, 30);
    syncEditor();
}

bool DeviceTemplateDialog::handleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != kVrxEditButtonLabel) return false;
    form_.editButtonLabel(static_cast<int>(wParam));
    syncEditor();
    result = 0;
    return true;
}

// Escape and the close box store and save like OK.
void DeviceTemplateDialog::cancel() { close(); }

void DeviceTemplateDialog::close() {
    // A label still in the editor counts as typed.
    form_.ListViewCellEditorExit(ListViewCellEditor.text());
    form_.btnOkClick();
    endDialog(IDOK);
}

std::string chooseTemplateOver(HWND owner, DeviceTemplateManager& templates, const std::string& templateId) {
    DeviceTemplateDialog dialog(templates, templateId);
    dialog.showModal(owner);
    return dialog.resultTemplateId();
}

}  // namespace vrx
