#include "Dialogs/AppLinkItemDialog_win.h"

#include "Dialogs/AppCaptureDialog_win.h"
#include "Dialogs/ListContents_win.h"

namespace vrx {

AppLinkItemDialog::AppLinkItemDialog(const AppLinkDialogParts& parts)
    : parts_(parts), form_(parts.profileNames, *this, messages_) {
    setTitle("アプリケーションの関連付け");
    form_.FormCreate();
}

std::optional<AppLinkRecord> AppLinkItemDialog::editRule(HWND owner, const AppLinkRecord& rule) {
    form_.fill(rule);
    showModal(owner);
    return form_.result();
}

void AppLinkItemDialog::createControls() {
    lblAppName.create(hwnd(), "アプリケーションの名前", {.bold = true});
    EditAppName.create(hwnd());
    EditAppName.setHint("自由なラベル");
    EditAppName.onChange = [this] {
        link_([text = EditAppName.text()](AppLinkItemForm& f) { f.EditAppNameChange(text); });
    };
    lblConfigFile.create(hwnd(), "関連付ける設定ファイル", {.bold = true});
    CBConfigFile.createEditable(hwnd());
    CBConfigFile.onChange = [this](int index) { link_([index](AppLinkItemForm& f) { f.CBConfigFileSelect(index); }); };
    CBConfigFile.onEditChange = [this](const std::string& text) {
        link_([text](AppLinkItemForm& f) { f.CBConfigFileChange(text); });
    };
    btnCaptureApp.create(hwnd(), "アプリケーション情報の取得...");
    btnCaptureApp.onClick = [this] {
        link_([](AppLinkItemForm& f) { f.btnCaptureAppClick(); });
        EditAppName.setFocus();
    };
    lblPath.create(hwnd(), "アプリケーションの Path で関連付ける場合", {.bold = true});
    EditPath.create(hwnd());
    EditPath.onChange = [this] { link_([text = EditPath.text()](AppLinkItemForm& f) { f.EditPathChange(text); }); };
    lblPathNote.create(hwnd(),
                       "Path は一部分だけでもかまいません。フルパス（C:\\Games\\game.exe）より、"
                       "実行ファイル名だけ（game.exe）の方が汎用的な指定になります。");
    lblTitle.create(hwnd(), "Window の Title で関連付ける場合", {.bold = true});
    EditTitle.create(hwnd());
    EditTitle.onChange = [this] { link_([text = EditTitle.text()](AppLinkItemForm& f) { f.EditTitleChange(text); }); };
    btnOK.create(hwnd(), "OK", true, IDOK);
    btnOK.onClick = [this] { link_([](AppLinkItemForm& f) { f.btnOKClick(); }); };
    setDefaultButton(btnOK);
    btnCancel.create(hwnd(), "Cancel", false, IDCANCEL);
    btnCancel.onClick = [this] { cancel(); };
    link_.refresh();
}

void AppLinkItemDialog::layout() {
    place(lblAppName, 12, 12, 436, 20);
    place(EditAppName, 12, 34, 436, 24);
    place(lblConfigFile, 12, 70, 436, 20);
    place(CBConfigFile, 12, 92, 436, 24);
    place(btnCaptureApp, 12, 130, 240, 30);
    place(lblPath, 12, 174, 436, 20);
    place(EditPath, 12, 196, 436, 24);
    place(lblPathNote, 12, 226, 436, 44);
    place(lblTitle, 12, 278, 436, 20);
    place(EditTitle, 12, 300, 436, 24);
    place(btnOK, 248, 340, 96, 30);
    place(btnCancel, 352, 340, 96, 30);
}

void AppLinkItemDialog::cancel() {
    link_([](AppLinkItemForm& f) { f.btnCancelClick(); });
}

void AppLinkItemDialog::refresh() {
    EditAppName.showText(form_.EditAppName());
    showItems(CBConfigFile, form_.configFileChoices());
    // The rule's profile as it is written, chosen from the list or not.
    CBConfigFile.showText(form_.CBConfigFile());
    EditPath.showText(form_.EditPath());
    EditTitle.showText(form_.EditTitle());
    if (form_.closeRequested()) endDialog(form_.confirmed() ? IDOK : IDCANCEL);
}

std::optional<CapturedWindow> AppLinkItemDialog::captureWindow() {
    AppCaptureDialog dialog(parts_);
    return dialog.capture(hwnd());
}

}  // namespace vrx
