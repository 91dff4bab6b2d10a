#include "Dialogs/AppLinkDialog_win.h"

#include "Dialogs/AppLinkItemDialog_win.h"

namespace vrx {

AppLinkDialog::AppLinkDialog(const AppLinkDialogParts& parts)
    : parts_(parts), form_(AppLinkFormParts{parts.manager, parts.profileNames, *this, messages_}) {
    setTitle("アプリケーションとの関連付け");
}

void AppLinkDialog::createControls() {
    form_.FormCreate();
    LVAppLink.create(hwnd());
    // The first two columns are just wide enough for their headings.
    LVAppLink.setColumns({{"アプリケーションの名前", 156},
                          {"関連付ける設定ファイル", 156},
                          {"アプリケーションの Path", 200},
                          {"Window の Title", 200}});
    LVAppLink.onDoubleClick = [this](int) { run([this] { form_.LVAppLinkDblClick(); }); };
    showRows();

    btnAdd.create(hwnd(), "追加");
    btnAdd.onClick = [this] { run([this] { form_.btnAddClick(); }); };
    btnEdit.create(hwnd(), "編集");
    btnEdit.onClick = [this] { run([this] { form_.btnEditClick(); }); };
    btnDelete.create(hwnd(), "削除");
    btnDelete.onClick = [this] { run([this] { form_.btnDeleteClick(); }); };

    GroupBox1.create(hwnd(), "関連付けされていないアプリケーションに移った場合の動作");
    rbNoAction.create(hwnd(), "特に何もしない（設定ファイルはそのまま）", true);
    rbNoAction.setChecked(form_.rbNoAction);
    rbUseLastSelected.create(hwnd(), "関連付けで切り替わる前に選んでいた設定ファイルに戻す", false);
    rbUseLastSelected.setChecked(form_.rbUseLastSelected);
    rbUseDefaultConfig.create(hwnd(), "デフォルトの設定ファイルを指定", false);
    rbUseDefaultConfig.setChecked(form_.rbUseDefaultConfig);
    cbDefaultConfig.createEditable(hwnd());
    cbDefaultConfig.setItems(form_.defaultConfigChoices);
    cbDefaultConfig.setSelected(form_.defaultConfigIndex);
    cbDefaultConfig.onChange = [this](int index) { form_.cbDefaultConfigSelect(index); };
    cbDefaultConfig.onEditChange = [this](const std::string& text) { form_.cbDefaultConfigEdit(text); };

    btnOK.create(hwnd(), "OK", true, IDOK);
    btnOK.onClick = [this] { run([this] { form_.btnOKClick(); }); };
    setDefaultButton(btnOK);
    btnCancel.create(hwnd(), "Cancel", false, IDCANCEL);
    btnCancel.onClick = [this] { cancel(); };
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
    form_.btnCancelClick();
    endDialog(IDCANCEL);
}

template <typename Handler>
void AppLinkDialog::run(Handler handler) {
    readChoices();
    handler();
    showRows();
    if (form_.closeRequested()) endDialog(form_.confirmed() ? IDOK : IDCANCEL);
}

void AppLinkDialog::readChoices() {
    form_.selectedRow = LVAppLink.selectedRow();
    form_.rbNoAction = rbNoAction.checked();
    form_.rbUseLastSelected = rbUseLastSelected.checked();
    form_.rbUseDefaultConfig = rbUseDefaultConfig.checked();
}

void AppLinkDialog::showRows() {
    LVAppLink.clear();
    for (const AppLinkRecord& rule : form_.rows) LVAppLink.addRow({rule.appName, rule.profile, rule.path, rule.title});
    if (form_.selectedRow >= 0) LVAppLink.setSelectedRow(form_.selectedRow);
}

std::optional<AppLinkRecord> AppLinkDialog::editRule(const AppLinkRecord& rule) {
    AppLinkItemDialog dialog(parts_);
    return dialog.editRule(hwnd(), rule);
}

}  // namespace vrx
