#include "Dialogs/WizardDialog_win.h"

namespace vrx {

WizardDialog::WizardDialog() : DialogWindow(ui::DialogPlacement::CentreOnScreen) { setTitle("簡易設定ウィザード"); }

int WizardDialog::showFor(HWND owner) {
    showModal(owner);
    return form_.result();
}

void WizardDialog::createControls() {
    lblExplanation.create(hwnd(), explanation_, {.align = ui::TextAlign::Centre});
    Edit1.create(hwnd(), {}, {.wantAllKeys = true});
    Edit1.setBackgroundColor(RGB(255, 255, 0));
    Edit1.onKeyDown = [this](int virtualKey) {
        form_.Edit1KeyDown(virtualKey);
        closeIfAsked();
        return true;
    };
    Edit1.onChar = [this](wchar_t character) { return form_.Edit1KeyPress(character); };
    btnSkip.create(hwnd(), "スキップ");
    btnSkip.setHint("このボタンの設定は変更せずに、次のボタンへ移る");
    btnSkip.onClick = [this] {
        form_.btnSkipClick();
        closeIfAsked();
    };
    btnExit.create(hwnd(), "設定終了");
    btnExit.setHint("簡易設定ウィザードを終了する");
    btnExit.onClick = [this] {
        form_.btnExitClick();
        closeIfAsked();
    };
}

void WizardDialog::layout() {
    lblExplanation.setBounds(dpi().scale(12), dpi().scale(14), dpi().scale(416), dpi().scale(36));
    Edit1.setBounds(dpi().scale(140), dpi().scale(58), dpi().scale(160), dpi().scale(24));
    btnSkip.setBounds(dpi().scale(104), dpi().scale(106), dpi().scale(110), dpi().scale(30));
    btnExit.setBounds(dpi().scale(226), dpi().scale(106), dpi().scale(110), dpi().scale(30));
}

void WizardDialog::activated() {
    form_.FormActivate();
    Edit1.setFocus();
}

void WizardDialog::cancel() {
    // The close box (and Escape away from the key box) ends the wizard.
    form_.btnExitClick();
    closeIfAsked();
}

void WizardDialog::closeIfAsked() {
    if (form_.closeRequested()) endDialog(form_.result());
}

}  // namespace vrx
