#include "ConfigFileManager/ConfigFileManager.h"
#include "Joybutton/JoyButtonProcess.h"
#include "Joybutton/KeyCode.h"
#include "Joystick/DisplayRows.h"
#include "Joystick/Processing.h"
#include "Main/MainForm.h"

// The main window's model, part: the button list, its popup and keys, and
// the key-press wizard over its rows.

namespace vrx {

// --- Editing ---

void MainForm::lvButtonListDblClick() {
    if (!selectedSlot()) return;
    int row = selectedRow_;
    const int last = static_cast<int>(rows_.size()) - 1;
    parts_.editor.beginRun(editRun());
    for (;;) {
        const ButtonRow& shown = rows_[static_cast<size_t>(row)];
        const int result = parts_.editor.edit(currentTab_, shown.slot, shown.button);
        UpdateRow(row);
        if (result == kEditNext && row < last) {
            ++row;
        } else if (result == kEditPrevious && row > 0) {
            --row;
        } else {
            break;
        }
        selectedRow_ = row;
        change(kSelectionChanged);
    }
    parts_.editor.endRun();
}

EditRun MainForm::editRun() const {
    EditRun run;
    run.profile = profile();
    run.joystick = currentTab_;
    for (int j = currentTab_ + 1; j < run.profile->numberOfJoysticks(); ++j) run.shiftTargets.push_back(TabCaption(j));
    run.profileNames = profileItems_;
    const ButtonTemplateNames* names = templateNamesOf(currentTab_);
    // The special-key popup offers triggers of the first 64 buttons.
    for (int button = 0; button < 64; ++button)
        run.buttonLabels.push_back(ButtonLabel(buttonSlot(button), names));
    return run;
}

void MainForm::lvButtonListDblClick(int rowAtPointer) {
    if (rowAtPointer < 0) return;
    selectRow(rowAtPointer);
    lvButtonListDblClick();
}

bool MainForm::lvButtonListKeyDown(int virtualKey) {
    if (virtualKey != kEnterKey) return false;
    lvButtonListDblClick();
    return true;
}

// The popup's items say their shortcuts ("Ctrl+C"); Ctrl with another key
// is the key alone.
bool MainForm::lvButtonListKeyDown(int virtualKey, bool ctrlDown) {
    if (ctrlDown) {
        switch (virtualKey) {
            case 'C': PMButtonListCopyClick(); return true;
            case 'V': PMButtonListPasteClick(); return true;
            case 'X': PMButtonListClearClick(); return true;
            default: break;
        }
    }
    return lvButtonListKeyDown(virtualKey);
}

// --- The popup ---

ButtonListMenu MainForm::PMButtonListPopup(int rowAtPointer) {
    if (rowAtPointer >= 0) selectRow(rowAtPointer);
    ButtonListMenu menu;
    if (!onJoystickTab()) return menu;
    const bool device = currentTab_ < detectedCount();
    menu.rowItems = selectedSlot() != nullptr;
    menu.joystickItems = true;
    menu.renameDeviceName = menu.editDeviceTemplate = device;
    menu.renameTabName = menu.specifyTabTemplate = !device;
    const ButtonTemplateNames* names = templateNamesOf(currentTab_);
    for (SlotIndex slot : displayedSlots(profile()->settings)) menu.swapItems.push_back({ButtonLabel(slot, names), slot});
    return menu;
}

void MainForm::PMButtonListSwapClick(SlotIndex other) {
    JoyButton* selected = selectedSlot();
    if (!selected || other < 0 || other >= kSlotCount) return;
    JoyButton& second = currentJoystick()->slot(other);
    if (&second == selected) return;
    {
        EngineLockGuard guard(parts_.lock);
        TickContext& tick = parts_.engine.tickContext();
        ForceRelease(*selected, tick);
        ForceRelease(second, tick);
        JoyButton held;
        held.copyFrom(*selected);
        selected->copyFrom(second);
        second.copyFrom(held);
    }
    markModified();
    updateAllRows();
}

void MainForm::PMButtonListCopyClick() {
    if (const JoyButton* selected = selectedSlot()) buttonCopy_.copyFrom(*selected);
}

void MainForm::PMButtonListPasteClick() {
    JoyButton* selected = selectedSlot();
    if (!selected) return;
    {
        EngineLockGuard guard(parts_.lock);
        ForceRelease(*selected, parts_.engine.tickContext());
        selected->copyFrom(buttonCopy_);
    }
    markModified();
    UpdateRow(selectedRow_);
}

void MainForm::PMButtonListClearClick() {
    JoyButton* selected = selectedSlot();
    if (!selected) return;
    {
        EngineLockGuard guard(parts_.lock);
        ForceRelease(*selected, parts_.engine.tickContext());
        selected->reset();
    }
    markModified();
    UpdateRow(selectedRow_);
}

void MainForm::PMButtonListAllClearClick() {
    JoystickConfig* joystick = currentJoystick();
    if (!joystick) return;
    const std::string text =
        "Joystick [" + std::to_string(currentTab_ + 1) + "] のボタン割り当てをすべてクリアしてもよろしいですか？";
    if (parts_.dialogs.message(text, "Warning", MessageIcon::Warning, MessageButtons::YesNo) == MessageAnswer::No)
        return;
    {
        EngineLockGuard guard(parts_.lock);
        TickContext& tick = parts_.engine.tickContext();
        // Slot by slot: the tab's name and template stay.
        for (JoyButton& slot : joystick->slots()) {
            ForceRelease(slot, tick);
            slot.reset();
        }
    }
    markModified();
    RefreshDisplay();
}

void MainForm::PMJoyCopyToClipboardClick() {
    if (const JoystickConfig* joystick = currentJoystick()) joystickCopy_.copyAssignmentsFrom(*joystick);
}

void MainForm::PMJoyPasteFromClipboardClick() {
    JoystickConfig* joystick = currentJoystick();
    if (!joystick) return;
    {
        EngineLockGuard guard(parts_.lock);
        TickContext& tick = parts_.engine.tickContext();
        for (JoyButton& slot : joystick->slots()) ForceRelease(slot, tick);
        joystick->copyAssignmentsFrom(joystickCopy_);
    }
    markModified();
    updateAllRows();
}

// --- The key-press wizard ---

void MainForm::btnConfigWizardClick() {
    JoystickConfig* joystick = currentJoystick();
    if (!joystick || rows_.empty()) return;
    markModified();
    const int start = selectedRow_ >= 0 ? selectedRow_ : 0;
    for (int row = start; row < static_cast<int>(rows_.size()); ++row) {
        const ButtonRow& shown = rows_[static_cast<size_t>(row)];
        const WizardAnswer answer = parts_.wizard.ask("ジョイスティック " + std::to_string(currentTab_ + 1) + " の " +
                                                      shown.button + " に対応させるキーを押してください");
        if (answer.result == WizardAnswer::Exit) {
            selectedRow_ = row;
            change(kSelectionChanged);
            break;
        }
        if (answer.result != WizardAnswer::Key) continue;
        JoyButton& slot = joystick->slot(shown.slot);
        {
            EngineLockGuard guard(parts_.lock);
            ForceRelease(slot, parts_.engine.tickContext());
            slot.type = AssignType::Keyboard;
            slot.keys[0] = static_cast<KeyCode>(answer.virtualKey);
            slot.keys[1] = 0;
            slot.keys[2] = 0;
            slot.autoRepeatRate = 0.0f;
            slot.prepare();
        }
        markModified();
        UpdateRow(row);
    }
    focus_ = FocusRequest::ButtonList;
}
}  // namespace vrx
