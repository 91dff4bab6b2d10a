#include "Main/MainForm.h"

#include <algorithm>
#include <array>
#include <exception>

#include "AppInfo/GlobalSettings.h"
#include "AppInfo/StartUp.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplate.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Dialogs/DeviceDialogLinks.h"
#include "Joybutton/DescribeAssignment.h"
#include "Joybutton/JoyButtonProcess.h"
#include "Joybutton/KeyCode.h"
#include "Joystick/DeviceList.h"
#include "Joystick/DisplayRows.h"
#include "Joystick/Processing.h"

namespace vrx {
namespace {

// The highlight of joystick k is entry k mod 8.
constexpr std::array<uint32_t, 8> kJoystickColours = {0xFFFF00, 0x00FF00, 0x00FFFF, 0xFF00FF,
                                                      0x800000, 0x008000, 0x808000, 0x000080};

}  // namespace

MainForm::MainForm(MainFormParts parts) : parts_(parts), options_(parts.options, *this) {}

ConfigFile* MainForm::profile() const { return parts_.profiles.currentProfile(); }

JoystickConfig* MainForm::currentJoystick() const {
    ConfigFile* p = profile();
    return p && onJoystickTab() ? p->joystick(currentTab_) : nullptr;
}

bool MainForm::onJoystickTab() const {
    const ConfigFile* p = profile();
    return p && page_ == FormPage::Joystick && currentTab_ >= 0 && currentTab_ < p->numberOfJoysticks();
}

int MainForm::detectedCount() const { return parts_.devices.total(); }

TDeviceConfig* MainForm::deviceOf(int joystick) const {
    if (joystick < 0 || joystick >= detectedCount() || joystick >= kMaxJoysticks) return nullptr;
    const int device = parts_.devices.joystickMap[static_cast<size_t>(joystick)];
    return device < 0 ? nullptr : parts_.devices.at(device);
}

// The device's template names the buttons of the device; only a tab without
// one falls back to the template the profile gives the joystick.
const ButtonTemplateNames* MainForm::templateNamesOf(int joystick) const {
    const ConfigFile* p = profile();
    const JoystickConfig* config = p ? p->joystick(joystick) : nullptr;
    const TDeviceTemplate* found =
        effectiveTemplate(deviceOf(joystick), config ? config->defaultTemplateId : std::string(), parts_.templates);
    return found ? &found->buttons : nullptr;
}

JoyButton* MainForm::selectedSlot() const {
    JoystickConfig* joystick = currentJoystick();
    if (!joystick || selectedRow_ < 0 || selectedRow_ >= static_cast<int>(rows_.size())) return nullptr;
    return &joystick->slot(rows_[static_cast<size_t>(selectedRow_)].slot);
}

void MainForm::markModified() {
    if (ConfigFile* p = profile()) p->modified = true;
}

std::string MainForm::TabCaption(int joystick) const {
    std::string name;
    if (const TDeviceConfig* device = deviceOf(joystick)) {
        name = device->displayName();
    } else if (const ConfigFile* p = profile(); p && p->joystick(joystick)) {
        name = p->joystick(joystick)->defaultDisplayName;
    }
    if (name.empty()) name = "Joystick";
    return "[" + std::to_string(joystick + 1) + "] " + name;
}

void MainForm::RefreshDisplay() {
    ConfigFile* p = profile();
    if (!p) return;
    updating_ = true;
    const int joysticks = p->numberOfJoysticks();
    const int tab = currentTab_ >= 0 && currentTab_ < joysticks ? currentTab_ : 0;

    tabTexts_.clear();
    for (int j = 0; j < joysticks; ++j) tabTexts_.push_back(TabCaption(j));
    tabTexts_.push_back("Options");

    rows_.clear();
    for (SlotIndex slot : displayedSlots(p->settings))
        rows_.push_back({slot, slot < buttonSlot(0) ? SlotName(slot) : std::string(), "None", "OFF", ""});
    selectedRow_ = -1;

    options_.fill();

    if (page_ == FormPage::Joystick) {
        currentTab_ = tab;
        updateAllRows();
        if (!rows_.empty()) selectedRow_ = 0;
    } else {
        currentTab_ = joysticks;
    }
    updating_ = false;
    change(kTabsChanged | kRowsChanged | kSelectionChanged | kOptionsChanged | kPageChanged);
}

void MainForm::UpdateRow(int row) {
    JoystickConfig* joystick = currentJoystick();
    if (!joystick || row < 0 || row >= static_cast<int>(rows_.size())) return;
    ButtonRow& shown = rows_[static_cast<size_t>(row)];
    JoyButton& slot = joystick->slot(shown.slot);
    {
        // prepare writes derived data the tick reads.
        EngineLockGuard guard(parts_.lock);
        slot.prepare();
    }
    shown.button = ButtonLabel(shown.slot, templateNamesOf(currentTab_));
    shown.function = DescribeAssignment(slot, parts_.layout);
    shown.autoRepeat = AutoRepeatText(slot.autoRepeatRate);
    shown.comment = slot.comment;
    change(kRowTextsChanged);
}

void MainForm::updateAllRows() {
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row) UpdateRow(row);
}

void MainForm::UpdateCaption() {
    std::string text = kProgramTitle;
    if (processingSuspended_) text += " (一時停止中)";
    text += " : ";
    if (profileSelection_ >= 0 && profileSelection_ < static_cast<int>(profileItems_.size()))
        text += profileItems_[static_cast<size_t>(profileSelection_)];
    caption_ = text;
    change(kCaptionChanged);
}

void MainForm::RefreshTabHighlights() {
    const ConfigFile* p = profile();
    if (!p) return;
    const bool highlighting = parts_.settings.highlightButtons || parts_.settings.highlightButtonsForAllTabs;
    const auto& anyPressed = parts_.engine.pressedState().anyPressed;
    const int joysticks = std::min(p->numberOfJoysticks(), static_cast<int>(tabTexts_.size()) - 1);
    for (int j = 0; j < joysticks; ++j) {
        std::string wanted = TabCaption(j);
        if (active_ && highlighting && anyPressed[static_cast<size_t>(j)]) wanted = "*" + wanted + "*";
        // Rewriting a tab redraws the strip; during play this runs often.
        if (tabTexts_[static_cast<size_t>(j)] != wanted) {
            tabTexts_[static_cast<size_t>(j)] = std::move(wanted);
            change(kTabsChanged);
        }
    }
    change(kHighlightChanged);
}

std::optional<uint32_t> MainForm::rowHighlight(int row) const {
    const ConfigFile* p = profile();
    if (!active_ || !p || row < 0 || row >= static_cast<int>(rows_.size())) return std::nullopt;
    const auto slot = static_cast<size_t>(rows_[static_cast<size_t>(row)].slot);
    const auto& pressed = parts_.engine.pressedState().pressedFlag;
    auto colour = [](int joystick) { return kJoystickColours[static_cast<size_t>(joystick) % 8]; };

    if (parts_.settings.highlightButtons) {
        if (onJoystickTab() && pressed[static_cast<size_t>(currentTab_)][slot]) return colour(currentTab_);
        return std::nullopt;
    }
    if (!parts_.settings.highlightButtonsForAllTabs) return std::nullopt;
    // The current tab's colour wins; otherwise the lowest joystick's.
    std::optional<uint32_t> result;
    for (int j = std::min(p->numberOfJoysticks(), kMaxJoysticks) - 1; j >= 0; --j) {
        if (!pressed[static_cast<size_t>(j)][slot]) continue;
        result = colour(j);
        if (j == currentTab_) break;
    }
    return result;
}

void MainForm::UpdateJoystickCount(int detectedControllers) {
    options_.setDetectedCount(detectedControllers);
    RefreshDisplay();
}

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

unsigned MainForm::takeChanges() {
    if (options_.takeChanged()) changes_ |= kOptionsChanged;
    const unsigned taken = changes_;
    changes_ = 0;
    return taken;
}

FocusRequest MainForm::takeFocusRequest() {
    FocusRequest taken = focus_;
    focus_ = FocusRequest::None;
    if (taken != FocusRequest::None) return taken;
    switch (options_.takeFocusRequest()) {
        case OptionsPage::Focus::NumJoysticks: return FocusRequest::NumJoysticks;
        case OptionsPage::Focus::NumButtons: return FocusRequest::NumButtons;
        case OptionsPage::Focus::ApplyNumJoysticks: return FocusRequest::ApplyNumJoysticks;
        case OptionsPage::Focus::None: break;
    }
    return FocusRequest::None;
}

void MainForm::setActive(bool active) {
    active_ = active;
    change(kHighlightChanged);
}

void MainForm::setProcessingSuspended(bool suspended) {
    processingSuspended_ = suspended;
    UpdateCaption();
}

void MainForm::selectRow(int row) {
    selectedRow_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
}

void MainForm::ApplicationEventsActivate() {
    setActive(true);
    RefreshTabHighlights();
}

// --- The profile list ---

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

// --- Tabs ---

void MainForm::tcJoystickChange(int tab, FocusedControl focused) {
    const ConfigFile* p = profile();
    if (updating_ || !p) return;
    const int optionsTab = p->numberOfJoysticks();
    if (focused != FocusedControl::Other) {
        // The number box checks itself when it loses the focus; leaving the
        // page before that would skip the check.
        currentTab_ = optionsTab;
        focus_ = FocusRequest::TabStrip;
        change(kTabsChanged);
        return;
    }
    showTab(tab < 0 || tab > optionsTab ? optionsTab : tab);
}

void MainForm::showTab(int tab) {
    currentTab_ = tab;
    change(kTabsChanged | kPageChanged);
    if (tab < profile()->numberOfJoysticks()) {
        page_ = FormPage::Joystick;
        updateAllRows();
    } else {
        page_ = FormPage::Options;
        RefreshDisplay();
    }
}

JoystickTabMenu MainForm::PMJoystickTabPopup(int tabAtPointer, FocusedControl focused) {
    tcJoystickChange(tabAtPointer, focused);
    JoystickTabMenu menu;
    if (!onJoystickTab()) return menu;
    const bool device = currentTab_ < detectedCount();
    menu.opens = true;
    menu.renameDeviceName = menu.clearDeviceName = menu.editDeviceTemplate = device;
    menu.renameTabName = menu.specifyTabTemplate = !device;
    return menu;
}

// --- The button list ---

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

bool MainForm::lvButtonListKeyDown(int virtualKey) {
    if (virtualKey != kEnterKey) return false;
    lvButtonListDblClick();
    return true;
}

ButtonListMenu MainForm::PMButtonListPopup() {
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

// --- Names ---

void MainForm::PMRenameDeviceNameClick() {
    if (!onJoystickTab()) return;
    TDeviceConfig* device = deviceOf(currentTab_);
    if (!device) return;
    const std::string answer = parts_.dialogs.askName("デバイス" + device->displayName() + "の表示名の変更",
                                                      "このデバイスの表示名を入力してください", device->NameOverride);
    if (answer.empty() || answer == device->NameOverride) return;
    device->NameOverride = answer;
    RefreshDisplay();
}

void MainForm::PMClearDeviceNameClick() {
    if (!onJoystickTab()) return;
    TDeviceConfig* device = deviceOf(currentTab_);
    if (!device) return;
    device->NameOverride.clear();
    parts_.settingsStore.saveGlobalSettings();
    RefreshDisplay();
}

void MainForm::PMEditDeviceTemplateClick() {
    if (!onJoystickTab()) return;
    TDeviceConfig* device = deviceOf(currentTab_);
    if (!device) return;
    const std::string chosen = parts_.templateChooser.chooseTemplate(device->Template ? device->Template->id : "");
    {
        EngineLockGuard guard(parts_.lock);
        assignTemplate(*device, chosen, parts_.templates);
    }
    parts_.settingsStore.saveGlobalSettings();
    RefreshDisplay();
}

void MainForm::PMSpecifyTabTemplateClick() {
    JoystickConfig* joystick = currentJoystick();
    if (!joystick) return;
    joystick->defaultTemplateId = parts_.templateChooser.chooseTemplate(joystick->defaultTemplateId);
    markModified();
    RefreshDisplay();
}

void MainForm::PMRenameTabNameClick() {
    JoystickConfig* joystick = currentJoystick();
    if (!joystick) return;
    const std::string answer =
        parts_.dialogs.askName("タブ[" + std::to_string(currentTab_ + 1) + "] の表示名の変更",
                               "このタブの表示名を入力してください", joystick->defaultDisplayName);
    if (answer.empty() || answer == joystick->defaultDisplayName) return;
    joystick->defaultDisplayName = answer;
    markModified();
    RefreshDisplay();
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
