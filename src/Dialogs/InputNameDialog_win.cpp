#include "Dialogs/InputNameDialog_win.h"

#include "Joybutton/KeyCode.h"

namespace vrx {

InputNameDialog::InputNameDialog() : DialogWindow(ui::DialogPlacement::CentreOnOwner) {}

std::string InputNameDialog::ask(HWND owner) {
    showModal(owner);
    return form_.editNewName;
}

void InputNameDialog::createControls() {
    lblExplanation.create(hwnd(), form_.explanation);
    editNewName.create(hwnd(), form_.editNewName);
    editNewName.onKeyDown = [this](int virtualKey) {
        if (virtualKey == kEnterKey) form_.editNewName = editNewName.text();
        const bool consumed = form_.editNewNameKeyDown(virtualKey);
        closeIfAsked();
        return consumed;
    };
    // Enter anywhere but on Cancel presses OK (the default button).
    btnOK.create(hwnd(), "OK", true, IDOK);
    btnOK.onClick = [this] {
        form_.editNewName = editNewName.text();
        form_.btnOKClick();
        closeIfAsked();
    };
    setDefaultButton(btnOK);
    btnCancel.create(hwnd(), "Cancel", false, IDCANCEL);
    btnCancel.onClick = [this] { cancel(); };
}

void InputNameDialog::layout() {
    lblExplanation.setBounds(dpi().scale(12), dpi().scale(12), dpi().scale(356), dpi().scale(20));
    editNewName.setBounds(dpi().scale(12), dpi().scale(38), dpi().scale(356), dpi().scale(24));
    btnOK.setBounds(dpi().scale(176), dpi().scale(80), dpi().scale(92), dpi().scale(30));
    btnCancel.setBounds(dpi().scale(276), dpi().scale(80), dpi().scale(92), dpi().scale(30));
}

void InputNameDialog::activated() {
    form_.FormActivate();
    editNewName.setFocus();
    editNewName.selectAll();
}

void InputNameDialog::cancel() {
    form_.btnCancelClick();
    editNewName.setText(form_.editNewName);
    closeIfAsked();
}

void InputNameDialog::closeIfAsked() {
    if (form_.closeRequested()) endDialog(form_.editNewName.empty() ? IDCANCEL : IDOK);
}

std::string askNameOver(HWND owner, const std::string& title, const std::string& explanation,
                        const std::string& initial) {
    InputNameDialog dialog;
    dialog.setTitle(title);
    if (!explanation.empty()) dialog.setExplanation(explanation);
    dialog.setText(initial);
    return dialog.ask(owner);
}

}  // namespace vrx
