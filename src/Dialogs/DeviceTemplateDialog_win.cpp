#include "Dialogs/DeviceTemplateDialog_win.h"

#include "Dialogs/InputNameDialog_win.h"
#include "Dialogs/ListContents_win.h"

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
        link_([index](DeviceTemplateForm& f) { f.cbTemplatesSelect(index); });
    };
    btnEditTemplateName.create(hwnd(), "テンプレート名を編集");
    btnEditTemplateName.onClick = [this] { link_([](DeviceTemplateForm& f) { f.btnEditTemplateNameClick(); }); };
    btnCreateNewTemplate.create(hwnd(), "テンプレートを新規作成");
    btnCreateNewTemplate.onClick = [this] { link_([](DeviceTemplateForm& f) { f.btnCreateNewTemplateClick(); }); };
    lvButtonLabels.create(hwnd());
    lvButtonLabels.setColumns({{"ボタン番号", 90}, {"ボタン名（ラベル）", 270}});
    lvButtonLabels.onClick = [this](ui::ListView::Cell cell) {
        postEditLabel(link_([cell](DeviceTemplateForm& f) { return f.lvButtonLabelsClick(cell.row, cell.column); }));
    };
    lvButtonLabels.onKeyDown = [this](int virtualKey) {
        const int selected = lvButtonLabels.selectedRow();
        const std::optional<int> row =
            link_([&](DeviceTemplateForm& f) { return f.lvButtonLabelsKeyDown(virtualKey, selected); });
        postEditLabel(row);
        return row.has_value();
    };
    // Inside the list, so that it covers the cell it edits.
    ListViewCellEditor.create(lvButtonLabels.hwnd(), {}, {.wantAllKeys = true});
    ListViewCellEditor.setVisible(false);
    ListViewCellEditor.onKeyDown = [this](int virtualKey) {
        return link_([virtualKey, text = ListViewCellEditor.text()](DeviceTemplateForm& f) {
            return f.ListViewCellEditorKeyDown(virtualKey, text);
        });
    };
    // Enter is taken on its way down; its character would only beep.
    ListViewCellEditor.onChar = [](wchar_t character) { return character == L'\r'; };
    ListViewCellEditor.onExit = [this] {
        link_([text = ListViewCellEditor.text()](DeviceTemplateForm& f) { f.ListViewCellEditorExit(text); });
    };
    btnOk.create(hwnd(), "OK", true, IDOK);
    btnOk.onClick = [this] {
        link_([text = ListViewCellEditor.text()](DeviceTemplateForm& f) { f.btnOkClick(text); });
    };
    setDefaultButton(btnOk);
    link_.refresh();
}

void DeviceTemplateDialog::refresh() {
    showItems(cbTemplates, form_.templateItems());
    cbTemplates.setSelected(form_.templateSelection());
    showRows();
    showEditor();
    if (form_.closeRequested()) endDialog(IDOK);
}

// A new filling replaces the rows, which start from the top again; after
// that only the labels the editor wrote change.
void DeviceTemplateDialog::showRows() {
    const auto& labels = form_.labels();
    if (shownFilling_ != form_.rowFillings()) {
        shownFilling_ = form_.rowFillings();
        lvButtonLabels.clear();
        for (int row = 0; row < static_cast<int>(labels.size()); ++row)
            lvButtonLabels.addRow({DeviceTemplateForm::rowCaption(row), labels[static_cast<size_t>(row)]}, row);
        return;
    }
    for (int row = 0; row < static_cast<int>(labels.size()); ++row)
        showCell(lvButtonLabels, row, DeviceTemplateForm::kLabelColumn, labels[static_cast<size_t>(row)]);
}

// The editor over the label cell of the edited row, or hidden. What the
// user types stays in it until it opens anew.
void DeviceTemplateDialog::showEditor() {
    if (!form_.editorVisible()) {
        if (ListViewCellEditor.visible()) ListViewCellEditor.setVisible(false);
        return;
    }
    const int row = form_.editedRow();
    lvButtonLabels.setSelectedRow(row);
    ListViewCellEditor.setBounds(lvButtonLabels.cellBounds(row, DeviceTemplateForm::kLabelColumn));
    if (shownOpening_ == form_.editorOpenings()) return;
    shownOpening_ = form_.editorOpenings();
    ListViewCellEditor.setText(form_.editorText());
    ListViewCellEditor.setVisible(true);
    ListViewCellEditor.setFocus();
    ListViewCellEditor.selectAll();
}

// The editor opens on row after the list has handled the click or key that
// asked for it.
void DeviceTemplateDialog::postEditLabel(std::optional<int> row) {
    if (row) PostMessageW(hwnd(), kVrxEditButtonLabel, static_cast<WPARAM>(*row), 0);
}

void DeviceTemplateDialog::layout() {
    place(lblTemplates, 12, 12, 396, 20);
    place(cbTemplates, 12, 34, 396, 24);
    place(btnEditTemplateName, 12, 68, 190, 28);
    place(btnCreateNewTemplate, 218, 68, 190, 28);
    lvButtonLabels.setDpi(dpi());
    place(lvButtonLabels, 12, 106, 396, 320);
    place(btnOk, 316, 438, 92, 30);
    link_.refresh();
}

bool DeviceTemplateDialog::handleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != kVrxEditButtonLabel) return false;
    link_([row = static_cast<int>(wParam)](DeviceTemplateForm& f) { f.editButtonLabel(row); });
    result = 0;
    return true;
}

void DeviceTemplateDialog::cancel() {
    link_([text = ListViewCellEditor.text()](DeviceTemplateForm& f) { f.FormClose(text); });
}

std::string chooseTemplateOver(HWND owner, DeviceTemplateManager& templates, const std::string& templateId) {
    DeviceTemplateDialog dialog(templates, templateId);
    dialog.showModal(owner);
    return dialog.resultTemplateId();
}

}  // namespace vrx
