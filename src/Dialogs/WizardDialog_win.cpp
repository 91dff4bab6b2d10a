#include "Dialogs/WizardDialog_win.h"

#include "Ui/Theme_win.h"

namespace vrx {

WizardDialog::WizardDialog() : DialogWindow(ui::DialogPlacement::CentreOnScreen) { setTitle("簡易設定ウィザード"); }

int WizardDialog::showFor(HWND owner) {
    showModal(owner);
    return form_.result();
}

void WizardDialog::createControls() {
    lblExplanation.create(hwnd(), explanation_, {.align = ui::TextAlign::Centre});
    Edit1.create(hwnd(), {}, {.wantAllKeys = true});
    // The box waits for the next key press, as a focused key box does.
    Edit1.setBackgroundColor(ui::palette().keyBoxFocused);
    Edit1.onKeyDown = [this](int virtualKey) {
        return link_([virtualKey](WizardForm& f) { return f.Edit1KeyDown(virtualKey); });
    };
    Edit1.onChar = [this](wchar_t character) {
        return link_([character](WizardForm& f) { return f.Edit1KeyPress(character); });
    };
    btnSkip.create(hwnd(), "スキップ");
    btnSkip.setHint("このボタンの設定は変更せずに、次のボタンへ移る");
    btnSkip.onClick = [this] { link_([](WizardForm& f) { f.btnSkipClick(); }); };
    btnExit.create(hwnd(), "設定終了");
    btnExit.setHint("簡易設定ウィザードを終了する");
    btnExit.onClick = [this] { link_([](WizardForm& f) { f.btnExitClick(); }); };
}

void WizardDialog::layout() {
    place(lblExplanation, 12, 14, 416, 36);
    place(Edit1, 140, 58, 160, 24);
    place(btnSkip, 104, 106, 110, 30);
    place(btnExit, 226, 106, 110, 30);
}

void WizardDialog::activated() {
    link_([](WizardForm& f) { f.FormActivate(); });
    Edit1.setFocus();
}

void WizardDialog::cancel() {
    // The close box (and Escape away from the key box) ends the wizard.
    link_([](WizardForm& f) { f.btnExitClick(); });
}

void WizardDialog::refresh() {
    if (form_.closeRequested()) endDialog(form_.result());
}

}  // namespace vrx
