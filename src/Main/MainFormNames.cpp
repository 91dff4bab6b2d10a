#include "ConfigFileManager/ConfigFileManager.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Dialogs/DeviceDialogLinks.h"
#include "Main/MainForm.h"

// The main window's model, part: the display names and button-name
// templates of devices and tabs, from the tab and button-list popups.

namespace vrx {

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
}  // namespace vrx
