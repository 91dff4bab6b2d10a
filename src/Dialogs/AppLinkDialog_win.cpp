#include "Dialogs/AppLinkDialog_win.h"

#include "Dialogs/AppLinkItemDialog_win.h"
#include "Dialogs/ListContents_win.h"

namespace vrx {

AppLinkDialog::AppLinkDialog(const AppLinkDialogParts& parts)
    : parts_(parts), form_(AppLinkFormParts{parts.manager, parts.profileNames, *this, messages_}) {
    setTitle("アプリケーションとの関連付け");
}

void AppLinkDialog::createControls() {
    LVAppLink.create(hwnd());
    // The first two columns are just wide enough for their headings.
    LVAppLink.setColumns({{"アプリケーションの名前", 156},
                          {"関連付ける設定ファイル", 156},
                          {"アプリケーションの Path", 200},
                          {"Window の Title", 200}});
    LVAppLink.onSelectionChange = [this](int row) { link_([row](AppLinkForm& f) { f.LVAppLinkSelectItem(row); }); };
    // A click beside the rows takes the selection away without a selection
    // change of its own.
    LVAppLink.onClick = [this](ui::ListView::Cell cell) {
        link_([row = cell.row](AppLinkForm& f) { f.LVAppLinkSelectItem(row); });
    };
    LVAppLink.onDoubleClick = [this](int) { link_([](AppLinkForm& f) { f.LVAppLinkDblClick(); }); };

    btnAdd.create(hwnd(), "追加");
    btnAdd.onClick = [this] { link_([](AppLinkForm& f) { f.btnAddClick(); }); };
    btnEdit.create(hwnd(), "編集");
    btnEdit.onClick = [this] { link_([](AppLinkForm& f) { f.btnEditClick(); }); };
    btnDelete.create(hwnd(), "削除");
    btnDelete.onClick = [this] { link_([](AppLinkForm& f) { f.btnDeleteClick(); }); };

    GroupBox1.create(hwnd(), "関連付けされていないアプリケーションに移った場合の動作");
    rbNoAction.create(hwnd(), "特に何もしない（設定ファイルはそのまま）", true);
    rbNoAction.onClick = [this] {
        link_([checked = rbNoAction.checked()](AppLinkForm& f) { f.rbNoActionClick(checked); });
    };
    rbUseLastSelected.create(hwnd(), "関連付けで切り替わる前に選んでいた設定ファイルに戻す", false);
    rbUseLastSelected.onClick = [this] {
        link_([checked = rbUseLastSelected.checked()](AppLinkForm& f) { f.rbUseLastSelectedClick(checked); });
    };
    rbUseDefaultConfig.create(hwnd(), "デフォルトの設定ファイルを指定", false);
    rbUseDefaultConfig.onClick = [this] {
        link_([checked = rbUseDefaultConfig.checked()](AppLinkForm& f) { f.rbUseDefaultConfigClick(checked); });
    };
    cbDefaultConfig.createEditable(hwnd());
    cbDefaultConfig.onChange = [this](int index) {
        link_([index](AppLinkForm& f) { f.cbDefaultConfigSelect(index); });
    };
    cbDefaultConfig.onEditChange = [this](const std::string& text) {
        link_([text](AppLinkForm& f) { f.cbDefaultConfigEdit(text); });
    };

    btnOK.create(hwnd(), "OK", true, IDOK);
    btnOK.onClick = [this] { link_([](AppLinkForm& f) { f.btnOKClick(); }); };
    setDefaultButton(btnOK);
    btnCancel.create(hwnd(), "Cancel", false, IDCANCEL);
    btnCancel.onClick = [this] { cancel(); };
    link_([](AppLinkForm& f) { f.FormCreate(); });
}

void AppLinkDialog::layout() {
    LVAppLink.setDpi(dpi());
    place(LVAppLink, 12, 12, 716, 258);
    place(btnAdd, 12, 278, 92, 30);
    place(btnEdit, 112, 278, 92, 30);
    place(btnDelete, 212, 278, 92, 30);
    place(GroupBox1, 12, 320, 716, 118);
    place(rbNoAction, 26, 344, 690, 22);
    place(rbUseLastSelected, 26, 370, 690, 22);
    place(rbUseDefaultConfig, 26, 398, 250, 22);
    place(cbDefaultConfig, 280, 397, 260, 24);
    place(btnOK, 528, 450, 96, 30);
    place(btnCancel, 632, 450, 96, 30);
}

void AppLinkDialog::cancel() {
    link_([](AppLinkForm& f) { f.btnCancelClick(); });
}

void AppLinkDialog::refresh() {
    std::vector<std::vector<std::string>> rows;
    for (const AppLinkRecord& rule : form_.rows()) rows.push_back({rule.appName, rule.profile, rule.path, rule.title});
    showRows(LVAppLink, rows);
    if (LVAppLink.selectedRow() != form_.selectedRow()) LVAppLink.setSelectedRow(form_.selectedRow());
    rbNoAction.setChecked(form_.rbNoAction());
    rbUseLastSelected.setChecked(form_.rbUseLastSelected());
    rbUseDefaultConfig.setChecked(form_.rbUseDefaultConfig());
    showItems(cbDefaultConfig, form_.defaultConfigChoices());
    // Text the user types stays as typed; a choice from the list shows
    // that entry.
    if (form_.defaultConfigIndex() < 0)
        cbDefaultConfig.showText(form_.defaultConfigText());
    else if (cbDefaultConfig.selected() != form_.defaultConfigIndex())
        cbDefaultConfig.setSelected(form_.defaultConfigIndex());
    if (form_.closeRequested()) endDialog(form_.confirmed() ? IDOK : IDCANCEL);
}

std::optional<AppLinkRecord> AppLinkDialog::editRule(const AppLinkRecord& rule) {
    AppLinkItemDialog dialog(parts_);
    return dialog.editRule(hwnd(), rule);
}

}  // namespace vrx
