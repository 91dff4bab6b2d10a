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
    lblAppName.setBounds(scale(12), scale(12), scale(436), scale(20));
    EditAppName.setBounds(scale(12), scale(34), scale(436), scale(24));
    lblConfigFile.setBounds(scale(12), scale(70), scale(436), scale(20));
    CBConfigFile.setBounds(scale(12), scale(92), scale(436), scale(24));
    btnCaptureApp.setBounds(scale(12), scale(130), scale(240), scale(30));
    lblPath.setBounds(scale(12), scale(174), scale(436), scale(20));
    EditPath.setBounds(scale(12), scale(196), scale(436), scale(24));
    lblPathNote.setBounds(scale(12), scale(226), scale(436), scale(44));
    lblTitle.setBounds(scale(12), scale(278), scale(436), scale(20));
    EditTitle.setBounds(scale(12), scale(300), scale(436), scale(24));
    btnOK.setBounds(scale(248), scale(340), scale(96), scale(30));
    btnCancel.setBounds(scale(352), scale(340), scale(96), scale(30));
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
