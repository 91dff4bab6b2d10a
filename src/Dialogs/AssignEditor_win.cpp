#include "Dialogs/AssignEditor_win.h"

#include <shlobj.h>

#include "Dialogs/ShellAddress_win.h"
#include "Ui/FileDialogs_win.h"
#include "Ui/MessageBoxes_win.h"
#include "Utils/WideText_win.h"

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

std::optional<std::string> AssignEditor::pickProgram() { return ui::openFileDialog(front(), "*.*|*.*", "C:\\"); }

namespace {

struct FolderStart {
    std::wstring folder;
};

// https://learn.microsoft.com/windows/win32/api/shlobj_core/nc-shlobj_core-bffcallback
// Once the picker is up it starts at the folder and labels its button.
int CALLBACK folderPickerEvent(HWND picker, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED) {
        const auto* start = reinterpret_cast<const FolderStart*>(data);
        if (!start->folder.empty())
            SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(start->folder.c_str()));
        SendMessageW(picker, BFFM_SETOKTEXT, 0, reinterpret_cast<LPARAM>(L"OK"));
    }
    return 0;
}

}  // namespace

std::optional<std::string> AssignEditor::pickFolder(const std::string& title, const std::string& start) {
    const std::wstring caption = toWide(title);
    FolderStart starting{toWide(start)};
    BROWSEINFOW browse{};
    browse.hwndOwner = front();
    browse.lpszTitle = caption.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    browse.lpfn = folderPickerEvent;
    browse.lParam = reinterpret_cast<LPARAM>(&starting);
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (!chosen) return std::nullopt;
    wchar_t path[MAX_PATH] = L"";
    const bool found = SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    if (!found) return std::nullopt;
    return toUtf8(std::wstring_view(path));
}

void AssignEditor::openAddress(const std::string& address) { openAddressWithShell(address); }

}  // namespace vrx
