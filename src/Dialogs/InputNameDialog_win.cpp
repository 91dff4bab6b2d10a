#include "Dialogs/InputNameDialog_win.h"

namespace vrx {

InputNameDialog::InputNameDialog(InputNameForm& form)
    : DialogWindow(ui::DialogPlacement::CentreOnOwner), form_(form) {}

std::string InputNameDialog::ask(HWND owner) {
    showModal(owner);
    return form_.text();
}

void InputNameDialog::createControls() {
    lblExplanation.create(hwnd(), form_.explanation());
    editNewName.create(hwnd(), form_.text());
    editNewName.onChange = [this] {
        link_([text = editNewName.text()](InputNameForm& f) { f.editNewNameChange(text); });
    };
    editNewName.onKeyDown = [this](int virtualKey) {
        return link_([virtualKey](InputNameForm& f) { return f.editNewNameKeyDown(virtualKey); });
    };
    // Enter anywhere but on Cancel presses OK (the default button).
    btnOK.create(hwnd(), "OK", true, IDOK);
    btnOK.onClick = [this] { link_([](InputNameForm& f) { f.btnOKClick(); }); };
    setDefaultButton(btnOK);
    btnCancel.create(hwnd(), "Cancel", false, IDCANCEL);
    btnCancel.onClick = [this] { cancel(); };
}

void InputNameDialog::layout() {
    place(lblExplanation, 12, 12, 356, 20);
    place(editNewName, 12, 38, 356, 24);
    place(btnOK, 176, 80, 92, 30);
    place(btnCancel, 276, 80, 92, 30);
}

void InputNameDialog::activated() {
    link_([](InputNameForm& f) { f.FormActivate(); });
    editNewName.setFocus();
    editNewName.selectAll();
}

void InputNameDialog::cancel() { link_([](InputNameForm& f) { f.btnCancelClick(); }); }

void InputNameDialog::refresh() {
    editNewName.showText(form_.text());
    if (form_.closeRequested()) endDialog(form_.accepted() ? IDOK : IDCANCEL);
}

std::string askNameOver(HWND owner, const std::string& title, const std::string& explanation,
                        const std::string& initial) {
    InputNameForm form(initial, explanation);
    InputNameDialog dialog(form);
    dialog.setTitle(title);
    return dialog.ask(owner);
}

}  // namespace vrx
