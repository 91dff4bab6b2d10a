#include "Dialogs/AssignEditor_win.h"

#include "Dialogs/ShellAddress_win.h"
#include "Ui/FileDialogs_win.h"
#include "Ui/MessageBoxes_win.h"

namespace vrx {

void AssignEditor::beginRun(const EditRun& run) {
    dialog_.reset();
    form_ = std::make_unique<AssignForm>(AssignFormParts{parts_.lock, parts_.tick, parts_.layout, *this}, run);
    dialog_ = std::make_unique<AssignDialog>(*form_, parts_.lastKeyDown);
}

int AssignEditor::edit(int tab, SlotIndex slot, const std::string& rowCaption) {
    if (!dialog_) return 0;
    return dialog_->EditSlot(parts_.owner(), tab, slot, rowCaption);
}

void AssignEditor::endRun() {
    dialog_.reset();
    form_.reset();
}

// The dialog while it is shown, else the main window.
HWND AssignEditor::front() const {
    return dialog_ && dialog_->hwnd() ? dialog_->hwnd() : parts_.owner();
}

void AssignEditor::showError(const std::string& text) {
    ui::showMessageBox(front(), text, "Error", MessageIcon::Error);
}

std::optional<std::string> AssignEditor::pickProgram(const std::string& filter, const std::string& startFolder) {
    return ui::openFileDialog(front(), filter.c_str(), startFolder);
}

std::optional<std::string> AssignEditor::pickFolder(const std::string& title, const std::string& start) {
    return ui::pickFolder(front(), title, start, "OK");
}

void AssignEditor::openAddress(const std::string& address) { openAddressWithShell(address); }

}  // namespace vrx
