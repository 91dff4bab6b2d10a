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
            PostMessageW(hwnd(), kVrxEditButtonLabel, static_cast<WPARAM>(row), 0);
        else
            syncEditor();
    };
    // F2 edits the chosen row's label, for those who work without a mouse.
    lvButtonLabels.onKeyDown = [this](int virtualKey) {
        if (virtualKey != VK_F2) return false;
        const int row = form_.lvButtonLabelsClick(lvButtonLabels.selectedRow(), DeviceTemplateForm::kLabelColumn);
        if (row >= 0) PostMessageW(hwnd(), kVrxEditButtonLabel, static_cast<WPARAM>(row), 0);
        return true;
    };
    // Inside the list, so that it covers the cell it edits.
    ListViewCellEditor.create(lvButtonLabels.hwnd(), {}, {.wantAllKeys = true});
    ListViewCellEditor.setVisible(false);
    ListViewCellEditor.onKeyDown = [this](int virtualKey) {
        const int row = form_.editedRow();
        if (!form_.ListViewCellEditorKeyDown(virtualKey, ListViewCellEditor.text())) return false;
        if (row >= 0) lvButtonLabels.setCellText(row, DeviceTemplateForm::kLabelColumn, form_.labels()[row]);
        syncEditor();
        return true;
    };
    // Enter is taken on its way down; its character would only beep.
    ListViewCellEditor.onChar = [](wchar_t character) { return character == L'\r'; };
    ListViewCellEditor.onExit = [this] {
        const int row = form_.editedRow();
        form_.ListViewCellEditorExit(ListViewCellEditor.text());
        if (row >= 0) lvButtonLabels.setCellText(row, DeviceTemplateForm::kLabelColumn, form_.labels()[row]);
        syncEditor();
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
    lblTemplates.setBounds(scale(12), scale(12), scale(396), scale(20));
    cbTemplates.setBounds(scale(12), scale(34), scale(396), scale(24));
    btnEditTemplateName.setBounds(scale(12), scale(68), scale(190), scale(28));
    btnCreateNewTemplate.setBounds(scale(218), scale(68), scale(190), scale(28));
    lvButtonLabels.setDpi(dpi());
    lvButtonLabels.setBounds(scale(12), scale(106), scale(396), scale(320));
    btnOk.setBounds(scale(316), scale(438), scale(92), scale(30));
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
    if (form_.editorVisible()) form_.ListViewCellEditorExit(ListViewCellEditor.text());
    form_.btnOkClick();
    endDialog(IDOK);
}

std::string chooseTemplateOver(HWND owner, DeviceTemplateManager& templates, const std::string& templateId) {
    DeviceTemplateDialog dialog(templates, templateId);
    dialog.showModal(owner);
    return dialog.resultTemplateId();
}

}  // namespace vrx
