#include <exception>

#include "ConfigFileManager/ConfigFileManager.h"
#include "Main/MainForm.h"

// The main window's model, part: the profile list on the left and its
// buttons.

namespace vrx {

void MainForm::reloadProfileList() {
    profileItems_ = parts_.profiles.names();
    change(kProfileListChanged);
    selectCurrentProfile();
    RefreshDisplay();
}

void MainForm::selectCurrentProfile() {
    const int current = parts_.profiles.currentIndex();
    profileSelection_ = current < static_cast<int>(profileItems_.size()) ? current : -1;
    change(kProfileListChanged);
}

void MainForm::btnAddNewClick() {
    if (parts_.profiles.createProfile()) reloadProfileList();
}

void MainForm::btnCopyClick() {
    if (parts_.profiles.copyProfile()) reloadProfileList();
}

void MainForm::btnRenameClick() {
    if (!parts_.profiles.renameProfile()) return;
    reloadProfileList();
    UpdateCaption();
}

void MainForm::btnDeleteClick() {
    if (parts_.profiles.deleteProfile()) reloadProfileList();
}

void MainForm::btnSaveClick() {
    if (profileSelection_ < 0 || profileSelection_ >= static_cast<int>(profileItems_.size())) return;
    try {
        parts_.profiles.saveCurrent(profileItems_[static_cast<size_t>(profileSelection_)]);
    } catch (const std::exception& failure) {
        // The profile stays modified and is written again later.
        parts_.dialogs.message(failure.what(), "Error", MessageIcon::Error, MessageButtons::Ok);
    }
}

void MainForm::lbConfigListClick(int index) {
    if (index < 0 || index >= static_cast<int>(profileItems_.size())) return;
    profileSelection_ = index;
    parts_.profiles.switchTo(index, false);
}

void MainForm::lbConfigListMouseDown(bool rightButton, int itemAtPointer) {
    const int count = static_cast<int>(profileItems_.size());
    if (!rightButton || count == 0) return;
    const int index = itemAtPointer < 0 || itemAtPointer >= count ? count - 1 : itemAtPointer;
    profileSelection_ = index;
    change(kProfileListChanged);
    parts_.profiles.switchTo(index, false);
}
}  // namespace vrx
