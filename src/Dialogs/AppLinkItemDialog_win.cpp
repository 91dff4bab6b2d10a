#include "Dialogs/AppLinkItemDialog_win.h"

#include "Dialogs/AppCaptureDialog_win.h"

namespace vrx {

AppLinkItemDialog::AppLinkItemDialog(const AppLinkDialogParts& parts)
    : parts_(parts), form_(parts.profileNames, *this, messages_) {
    setTitle("アプリケーションの関連付け");
    form_.FormCreate();
}

std::optional<AppLinkRecord> AppLinkItemDialog::editRule(HWND owner, const AppLinkRecord& rule) {
    form_.fill(rule);
    if (showModal(owner) != IDOK) return std::nullopt;
    return form_.rule();
}

void AppLinkItemDialog::createControls() {
    lblAppName.create(hwnd(), "アプリケーションの名前", {.bold = true});
    EditAppName.create(hwnd(), form_.EditAppName);
    EditAppName.setHint("自由なラベル");
    lblConfigFile.create(hwnd(), "関連付ける設定ファイル", {.bold = true});
    CBConfigFile.createEditable(hwnd());
    CBConfigFile.setItems(form_.configFileChoices);
    // The rule's profile as it is written, chosen from the list or not.
    CBConfigFile.setText(form_.CBConfigFile);
    btnCaptureApp.create(hwnd(), "アプリケーション情報の取得...");
    btnCaptureApp.onClick = [this] {
        readFields();
        form_.btnCaptureAppClick();
        showFields();
        EditAppName.setFocus();
    };
    lblPath.create(hwnd(), "アプリケーションの Path で関連付ける場合", {.bold = true});
    EditPath.create(hwnd(), form_.EditPath);
    lblPathNote.create(hwnd(),
                       "Path は一部分だけでもかまいません。フルパス（C:\\Games\\game.exe）より、"
                       "実行ファイル名だけ（game.exe）の方が汎用的な指定になります。");
    lblTitle.create(hwnd(), "Window の Title で関連付ける場合", {.bold = true});
    EditTitle.create(hwnd(), form_.EditTitle);
    btnOK.create(hwnd(), "OK", true, IDOK);
    btnOK.onClick = [this] {
        readFields();
        form_.btnOKClick();
        if (form_.closeRequested()) endDialog(IDOK);
    };
    setDefaultButton(btnOK);
    btnCancel.create(hwnd(), "Cancel", false, IDCANCEL);
    btnCancel.onClick = [this] { cancel(); };
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
    form_.btnCancelClick();
    endDialog(IDCANCEL);
}

void AppLinkItemDialog::readFields() {
    form_.EditAppName = EditAppName.text();
    form_.CBConfigFile = CBConfigFile.text();
    form_.EditPath = EditPath.text();
    form_.EditTitle = EditTitle.text();
}

void AppLinkItemDialog::showFields() {
    EditAppName.setText(form_.EditAppName);
    EditPath.setText(form_.EditPath);
    EditTitle.setText(form_.EditTitle);
}

std::optional<CapturedWindow> AppLinkItemDialog::captureWindow() {
    AppCaptureDialog dialog(parts_);
    return dialog.capture(hwnd());
}

}  // namespace vrx
