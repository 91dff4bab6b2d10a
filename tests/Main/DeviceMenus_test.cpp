#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Main/MainForm.h"
#include "Main/ShellCommands.h"
#include "support/MainFormFixture.h"
#include "support/ShellRecorder.h"

// The main window's ways into the device and template dialogs: the tab and
// button-list items for templates, and the device dialog's menu command.

namespace vrx::test {
namespace {

using Lines = std::vector<std::string>;

constexpr SlotIndex kButton1 = 56;

// A detected pad on logical joystick 0; joystick 1 has no device.
struct PadOnFirstTab : MainFormFixture {
    TDeviceConfig pad{"XInput-0", settings.deviceDefaults()};
    PadOnFirstTab() {
        pad.Api = kApiXInput;
        pad.Name = "Pad";
        devices.add(pad);
        devices.joystickMap[0] = 0;
        form.RefreshDisplay();
    }
    const std::string& button1Label() const { return form.rows()[static_cast<size_t>(rowOf(kButton1))].button; }
};

TEST(DeviceMenus, EditingTheDevicesTemplateFixesItAndSavesTheSettings) {
    PadOnFirstTab f;
    f.pad.Template = f.templates.find("XBOX");
    f.templateDialog.templates = {"PS4"};
    f.form.PMEditDeviceTemplateClick();
    EXPECT_EQ(f.templateDialog.asked, (Lines{"template XBOX"}));
    EXPECT_EQ(f.pad.TemplateID, "PS4");
    EXPECT_EQ(f.pad.Template, f.templates.find("PS4"));
    EXPECT_EQ(f.store.saves, 1);
    EXPECT_EQ(f.button1Label(), "[1] \u25A1");
    EXPECT_FALSE(f.profile().modified);

    // A tab without a device has no device template to edit.
    f.form.tcJoystickChange(1, FocusedControl::Other);
    f.form.PMEditDeviceTemplateClick();
    EXPECT_EQ(f.templateDialog.asked.size(), 1u);
}

TEST(DeviceMenus, ATabsTemplateNamesItsButtonsWhileNoDeviceFeedsIt) {
    PadOnFirstTab f;
    f.form.tcJoystickChange(1, FocusedControl::Other);
    EXPECT_EQ(f.button1Label(), "[1] Button");
    f.templateDialog.templates = {"SWITCH"};
    f.form.PMSpecifyTabTemplateClick();
    EXPECT_EQ(f.templateDialog.asked, (Lines{"template "}));
    EXPECT_EQ(f.profile().joystick(1)->defaultTemplateId, "SWITCH");
    EXPECT_TRUE(f.profile().modified);
    EXPECT_EQ(f.button1Label(), "[1] B");
    EXPECT_EQ(f.form.TabCaption(1), "[2] Joystick");

    // A name that no template has any more: generic labels.
    f.profile().joystick(1)->defaultTemplateId = "{GONE}";
    f.form.RefreshDisplay();
    EXPECT_EQ(f.button1Label(), "[1] Button");
    // The device's template wins over the tab's.
    f.profile().joystick(0)->defaultTemplateId = "SWITCH";
    f.pad.Template = f.templates.find("XBOX");
    f.form.tcJoystickChange(0, FocusedControl::Other);
    EXPECT_EQ(f.button1Label(), "[1] A");
}

struct ShellWithRecorder : MainFormFixture {
    ShellSurroundings around{folder.path(), lock, settings, h.log};
    Recorder& r = around.r;
    ShellCommands shell{ShellParts{form, manager, settings, around.appLink, r, r, r, dialogs, r, r, r, r, r, store,
                                   around.notice, folder.path(), around.firstRun, h.log}};
    ShellWithRecorder() { r.shell = &shell; }
};

TEST(DeviceMenus, TheDeviceDialogIsWithdrawnWithTheTimerStoppedAndDevicesDetectedAgain) {
    ShellWithRecorder f;
    f.h.log.lines.clear();
    EXPECT_TRUE(f.shell.run(static_cast<int>(Command::JoystickProperty)));
    EXPECT_EQ(f.r.take(), (Lines{"TimerDisable", "detect", "TimerEnable", "device dialog", "TimerDisable",
                                 "withdraw device dialog", "detect forced", "TimerEnable"}));
    EXPECT_EQ(f.store.saves, 1);
    EXPECT_EQ(f.h.log.messages(LogLevel::Debug), (Lines{"Opening DeviceConfigDialog...", "Closed DeviceConfigDialog"}));

    // Suspended processing stays suspended.
    f.shell.MMDisableJoystickClick();
    f.r.take();
    f.shell.MMJoystickPropertyClick();
    EXPECT_EQ(f.r.take(), (Lines{"TimerDisable", "detect", "device dialog", "TimerDisable", "withdraw device dialog",
                                 "detect forced"}));
}

}  // namespace
}  // namespace vrx::test
