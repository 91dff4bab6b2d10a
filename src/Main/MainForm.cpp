#include "Main/MainForm.h"

#include <algorithm>

#include "AppInfo/StartUp.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplate.h"
#include "Joybutton/DescribeAssignment.h"
#include "Joybutton/KeyCode.h"
#include "Joystick/DeviceList.h"
#include "Joystick/DisplayRows.h"

// The main window's model: what it works with, the rows and tabs it shows,
// and the keyboard. The profile list, the button list, the names and
// templates, and the highlights have files of their own (MainForm*.cpp).

namespace vrx {

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

void MainForm::UpdateJoystickCount(int detectedControllers) {
    options_.setDetectedCount(detectedControllers);
    RefreshDisplay();
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

// --- The keyboard ---

bool MainForm::dialogKey(int virtualKey, FocusedControl focused) {
    switch (focused) {
        case FocusedControl::ButtonList: return lvButtonListKeyDown(virtualKey);
        case FocusedControl::NumJoysticks: return options_.editNumJoystickDialogKey(virtualKey);
        case FocusedControl::NumButtons: return options_.editNumButtonsDialogKey(virtualKey);
        case FocusedControl::Other: break;
    }
    return false;
}

// --- Tabs ---

void MainForm::tcJoystickChange(int tab, FocusedControl focused) {
    const ConfigFile* p = profile();
    if (updating_ || !p) return;
    const int optionsTab = p->numberOfJoysticks();
    if (focused == FocusedControl::NumJoysticks || focused == FocusedControl::NumButtons) {
        // A number box checks itself when it loses the focus; leaving the
        // page before that would skip the check. The focus goes to the strip
        // instead, and the box counts as left: a count it refuses keeps the
        // focus in the box for the correction its message asks for.
        currentTab_ = optionsTab;
        change(kTabsChanged);
        if (focused == FocusedControl::NumJoysticks || options_.leaveNumButtons()) focus_ = FocusRequest::TabStrip;
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

}  // namespace vrx
