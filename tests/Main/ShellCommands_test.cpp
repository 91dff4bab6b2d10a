#include "Main/ShellCommands.h"

#include <gtest/gtest.h>

#include <set>

#include "Main/MainForm.h"
#include "Utils/PathText.h"
#include "support/MainFormFixture.h"
#include "support/ShellRecorder.h"

namespace vrx::test {
namespace {

using Lines = std::vector<std::string>;

struct ShellFixture : MainFormFixture {
    ShellSurroundings around{folder.path(), lock, settings, h.log};
    Recorder& r = around.r;
    AppLinkManager& appLink = around.appLink;
    bool& firstRun = around.firstRun;
    ShellCommands shell{ShellParts{form, manager, settings, appLink, r, r, r, dialogs, r, r, r, r, r, store,
                                   around.notice, folder.path(), firstRun, h.log}};

    ShellFixture() {
        r.shell = &shell;
        h.log.lines.clear();  // the profile list's own lines at start
    }
    Lines debug() { return h.log.messages(LogLevel::Debug); }
};

TEST(ShellCommands, MenuTablesHaveUniqueCommandsAndTheSpecifiedSeparators) {
    std::set<Command> seen;
    for (auto table : {mainMenuTable(), trayMenuTable(), configListMenuTable(), buttonListMenuTable(),
                       joystickTabMenuTable()})
        for (const MenuEntry& entry : table) {
            if (entry.command != Command::None) {
                EXPECT_TRUE(seen.insert(entry.command).second) << entry.caption;
            }
        }

    Lines beforeSeparators;
    const auto main = mainMenuTable();
    for (size_t i = 1; i < main.size(); ++i)
        if (main[i - 1].isSeparator()) beforeSeparators.push_back(main[i].caption);
    EXPECT_EQ(beforeSeparators, (Lines{"設定ファイルのフォルダを開く(&O)", "終了(&X)", "ダークモード (&D)", "寄付(&D)",
                                       "バージョン変更履歴を見る(&C)"}));
    EXPECT_TRUE(trayMenuTable().front().isSeparator());
}

TEST(ShellCommands, SuspendItemsStayInStepAndKeepDetectionFromResuming) {
    ShellFixture f;
    f.shell.run(static_cast<int>(Command::TrayDisableJoystick));
    EXPECT_TRUE(f.shell.joystickSuspended());
    EXPECT_EQ(f.form.caption(), "Vantorix v7.4.1 (一時停止中) : A");
    f.shell.run(static_cast<int>(Command::TrayDetect));
    EXPECT_EQ(f.r.take(), (Lines{"TimerDisable", "TimerDisable", "detect forced"}));
    f.shell.run(static_cast<int>(Command::DisableJoystick));
    EXPECT_FALSE(f.shell.joystickSuspended());
    EXPECT_EQ(f.r.take(), (Lines{"TimerEnable"}));
    EXPECT_EQ(f.form.caption(), "Vantorix v7.4.1 : A");

    f.shell.run(static_cast<int>(Command::DisableAppLink));
    EXPECT_TRUE(f.shell.appLinkSuspended());
    f.shell.run(static_cast<int>(Command::TrayDisableAppLink));
    EXPECT_FALSE(f.appLink.suspended());
    EXPECT_EQ(f.h.log.messages(LogLevel::Info),
              (Lines{"Disabling joystick processing temporarily", "Enabling joystick processing",
                     "AppLink is temporarily disabled", "AppLink is enabled now"}));
}

TEST(ShellCommands, TrayClickMinimisesAndRestoresButNotWhileTheGreetingIsPending) {
    ShellFixture f;
    f.settings.hideWhenMinimized = true;
    f.shell.TrayIconClick();
    EXPECT_FALSE(f.shell.windowShown());
    f.shell.TrayIconClick();
    EXPECT_TRUE(f.shell.windowShown());
    EXPECT_EQ(f.r.take(), (Lines{"minimize", "hide taskbar", "restore", "show"}));
    EXPECT_EQ(f.debug(), (Lines{"ShowWindow(SW_HIDE)", "Restoring Main Window from Task Tray"}));
    f.shell.ApplicationRestore();
    EXPECT_EQ(f.r.take(), (Lines{"show taskbar", "front"}));

    f.firstRun = true;
    f.shell.TrayIconClick();
    EXPECT_TRUE(f.r.take().empty());
    f.shell.FormActivate();
    f.shell.FormActivate();
    EXPECT_EQ(f.r.take(), (Lines{"greeting"}));
    EXPECT_FALSE(f.firstRun);
}

TEST(ShellCommands, CloseMinimisesUnlessReallyExiting) {
    ShellFixture f;
    f.settings.exitMeansMinimize = true;
    EXPECT_FALSE(f.shell.FormCloseQuery());
    EXPECT_EQ(f.r.take(), (Lines{"minimize"}));
    f.shell.run(static_cast<int>(Command::TrayExit));
    EXPECT_TRUE(f.shell.reallyExit());
    EXPECT_TRUE(f.shell.FormCloseQuery());
    EXPECT_EQ(f.debug(), (Lines{"OnCloseQuery [CanClose=false]", "OnCloseQuery [CanClose=true]"}));

    ShellFixture off;
    off.settings.exitMeansMinimize = false;
    EXPECT_TRUE(off.shell.FormCloseQuery());
    ShellFixture session;
    session.shell.endSession();
    EXPECT_TRUE(session.shell.FormCloseQuery());
}

TEST(ShellCommands, DeactivationSavesOnlyAModifiedProfile) {
    ShellFixture f;
    f.profile().modified = false;
    f.shell.ApplicationDeactivate();
    EXPECT_TRUE(f.h.log.messages(LogLevel::Info).empty());
    f.profile().settings.numberOfButtons = 7;
    f.profile().modified = true;
    f.shell.ApplicationDeactivate();
    EXPECT_FALSE(f.profile().modified);
    ConfigFile saved(f.folder / "A.cfg", f.h.log);
    EXPECT_EQ(saved.settings.numberOfButtons, 7);
    EXPECT_EQ(f.debug().front(), "Application Deactivated");
    EXPECT_EQ(f.h.log.messages(LogLevel::Info), (Lines{"Save config file \"A\""}));
}

TEST(ShellCommands, AutoStartNeedsAdministratorAndReportsEachOutcome) {
    struct Case {
        const char* name;
        bool administrator, exists, works;
        MessageAnswer answer;
        Lines shown;
        bool checked;
    };
    const std::string failCreate = "Error: 自動起動の設定に失敗しました。\n\n詳細は Vantorix.log をご確認ください。";
    const std::string failRemove = "Error: 自動起動の無効化に失敗しました。\n\n詳細は Vantorix.log をご確認ください。";
    const std::string askCreate = "Vantorix: Windows起動時にVantorixを自動起動しますか？\n（管理者権限で実行されます）";
    const std::string askRemove = "Vantorix: 自動起動を無効にしますか？";
    const Case cases[] = {
        {"standard user", false, false, true, MessageAnswer::Yes,
         {"Warning: 自動起動の設定には管理者権限が必要です。\n\nメニューの「ファイル」→「終了」を選び、Vantorixを完全に終了"
          "し、その後Vantorixを右クリックして「管理者として実行」してから、再度お試しください。"},
         false},
        {"create", true, false, true, MessageAnswer::Yes, {askCreate, "Vantorix: 自動起動を設定しました。"}, true},
        {"create refused", true, false, true, MessageAnswer::No, {askCreate}, false},
        {"create fails", true, false, false, MessageAnswer::Yes, {askCreate, failCreate}, false},
        {"remove", true, true, true, MessageAnswer::Yes, {askRemove, "Vantorix: 自動起動を無効にしました。"}, false},
        {"remove fails", true, true, false, MessageAnswer::Yes, {askRemove, failRemove}, true},
    };
    for (const Case& c : cases) {
        ShellFixture f;
        f.r.administrator = c.administrator;
        f.r.taskExists = c.exists;
        f.r.taskWorks = c.works;
        f.shell.readAutoStartup();
        f.dialogs.answers = {c.answer};
        f.shell.run(static_cast<int>(Command::AutoStartup));
        EXPECT_EQ(f.dialogs.shown, c.shown) << c.name;
        EXPECT_EQ(f.shell.autoStartup(), c.checked) << c.name;
    }
}

TEST(ShellCommands, ThemeSwitchWaitsForClosedMenusBeforeRestarting) {
    ShellFixture f;
    f.shell.run(static_cast<int>(Command::DarkMode), 0x1234);
    EXPECT_TRUE(f.shell.darkMode());
    EXPECT_TRUE(f.shell.delayedExecTimerRunning());
    EXPECT_EQ(f.r.take(), (Lines{"TimerTerminate", "unregister raw input", "pump", "style Glow"}));
    f.shell.DelayedExecTimerTimer(true, 0x5678);
    EXPECT_TRUE(f.r.take().empty());
    f.shell.DelayedExecTimerTimer(false, 0x5678);
    EXPECT_FALSE(f.shell.delayedExecTimerRunning());
    EXPECT_EQ(f.r.take(), (Lines{"publish 22136", "register raw input", "TimerInit"}));
    EXPECT_EQ(f.debug(), (Lines{"Original HWND = 0x001234", "Style changed: New HWND = 0x005678"}));
    EXPECT_EQ(f.h.log.messages(LogLevel::Info), (Lines{"Switching the theme", "Changing to the Dark Mode"}));

    f.shell.MMDarkModeClick(1);
    EXPECT_FALSE(f.shell.darkMode());
    EXPECT_EQ(f.r.take().back(), "style Windows");

    // The restarted timer must not end a suspension the menu still shows.
    f.shell.MMDisableJoystickClick();
    f.shell.DelayedExecTimerTimer(false, 2);
    EXPECT_EQ(f.r.take(), (Lines{"TimerDisable", "publish 2", "register raw input", "TimerInit", "TimerDisable"}));
}

TEST(ShellCommands, MenuCommandsReachThePagesDialogsAndForm) {
    ShellFixture f;
    f.shell.run(static_cast<int>(Command::FAQ));
    f.shell.run(static_cast<int>(Command::Tips));
    f.shell.run(static_cast<int>(Command::OpenConfigDir));
    f.shell.run(static_cast<int>(Command::Preference));
    f.shell.run(static_cast<int>(Command::ResetWindowPosition));
    EXPECT_EQ(f.r.take(), (Lines{"open https://vantorix.example/ja/faq",
                                 "open https://vantorix.example/ja/blog/category/vantorix/",
                                 "explore " + pathToUtf8(f.folder.path()), "preference", "bounds 0,0,800,700",
                                 "restore", "show"}));
    EXPECT_EQ(f.store.saves, 1);

    f.form.selectRow(f.rowOf(56));
    f.slot(0, 56).comment = "moved";
    EXPECT_TRUE(f.shell.run(swapCommand(57)));
    EXPECT_EQ(f.slot(0, 57).comment, "moved");
    EXPECT_TRUE(f.shell.run(trayProfileCommand(1)));
    EXPECT_EQ(f.manager.currentIndex(), 1);
    EXPECT_EQ(f.shell.trayProfileItems()[1].checked, true);
    EXPECT_FALSE(f.shell.run(trayProfileCommand(2)));
    EXPECT_FALSE(f.shell.run(static_cast<int>(Command::None)));
}

TEST(ShellCommands, ProfileSwitchShowsTheImageBalloonAndSound) {
    ShellFixture f;
    f.settings.notifyProfileImage = true;
    f.settings.notifyBalloon = true;
    f.settings.profileImagePosition = 4;
    f.settings.profileImageDuration = 1500;
    f.folder.write("face.png", "PNG");
    f.folder.write("ding.wav", "RIFF");
    ConfigFile& b = *f.manager.currentProfile();
    f.manager.switchTo(1, false);
    f.manager.currentProfile()->settings.imageFile = "face.png";
    f.manager.currentProfile()->settings.soundFile = "ding.wav";
    f.shell.OnProfileSwitched();
    const std::string image = pathToUtf8(f.folder / "face.png");
    EXPECT_EQ(f.r.take(), (Lines{"image " + image + " 4 1500", "balloon Vantorix 設定ファイル: B 1000",
                                 "sound " + pathToUtf8(f.folder / "ding.wav")}));
    EXPECT_EQ(f.form.profileSelection(), 1);
    EXPECT_EQ(f.form.caption(), "Vantorix v7.4.1 : B");

    f.manager.currentProfile()->settings.imageFile = "gone.png";
    f.settings.notifyBalloon = false;
    f.shell.OnProfileSwitched();
    EXPECT_EQ(f.r.take().front(), "hide image");
    EXPECT_TRUE(f.h.log.contains(LogLevel::Error, "Warning: failed to find an image file: " +
                                                      pathToUtf8(f.folder / "gone.png")));

    f.manager.switchTo(0, false);
    EXPECT_EQ(&b, f.manager.currentProfile());
    f.shell.OnProfileSwitched();
    EXPECT_EQ(f.r.take(), (Lines{"hide image"}));  // no image, no sound
}

TEST(ShellCommands, CheckMarksFollowTheStatesInBothMenus) {
    using M = std::vector<MenuItemState>;
    ShellFixture f;
    EXPECT_EQ(f.shell.checkMarks(mainMenuTable()),
              (M{{Command::DarkMode, false}, {Command::AutoStartup, false}, {Command::DisableAppLink, false},
                 {Command::DisableJoystick, false}}));
    EXPECT_EQ(f.shell.checkMarks(trayMenuTable()),
              (M{{Command::TrayDisableAppLink, false}, {Command::TrayDisableJoystick, false}}));

    f.shell.run(static_cast<int>(Command::TrayDisableJoystick));
    f.shell.run(static_cast<int>(Command::DisableAppLink));
    f.settings.darkMode = true;
    f.r.taskExists = true;
    f.shell.readAutoStartup();
    EXPECT_EQ(f.shell.checkMarks(mainMenuTable()),
              (M{{Command::DarkMode, true}, {Command::AutoStartup, true}, {Command::DisableAppLink, true},
                 {Command::DisableJoystick, true}}));
    EXPECT_EQ(f.shell.checkMarks(trayMenuTable()),
              (M{{Command::TrayDisableAppLink, true}, {Command::TrayDisableJoystick, true}}));
    EXPECT_TRUE(f.shell.checkMarks(buttonListMenuTable()).empty());
}

TEST(ShellCommands, EachFlagOfAPopupEnablesItsOwnItems) {
    using Commands = std::vector<Command>;
    const auto enabled = [](const std::vector<MenuItemState>& items) {
        Commands on;
        for (const MenuItemState& item : items)
            if (item.on) on.push_back(item.command);
        return on;
    };
    struct Case {
        const char* name;
        bool ButtonListMenu::*flag;
        Commands items;
    };
    const Case list[] = {
        {"row", &ButtonListMenu::rowItems,
         {Command::ButtonListEdit, Command::ButtonListCopy, Command::ButtonListPaste, Command::ButtonListClear,
          Command::ButtonListSwap}},
        {"joystick", &ButtonListMenu::joystickItems, {Command::ButtonListAllClear}},
        {"device name", &ButtonListMenu::renameDeviceName, {Command::RenameDeviceName2}},
        {"device template", &ButtonListMenu::editDeviceTemplate, {Command::EditDeviceTemplate2}},
        {"tab name", &ButtonListMenu::renameTabName, {Command::RenameTabName2}},
        {"tab template", &ButtonListMenu::specifyTabTemplate, {Command::SpecifyTabTemplate2}},
    };
    for (const Case& c : list) {
        ButtonListMenu menu;
        menu.*c.flag = true;
        EXPECT_EQ(enabled(enabledItems(menu)), c.items) << c.name;
    }
    EXPECT_EQ(enabledItems(ButtonListMenu{}).size(), 10u);

    JoystickTabMenu device;
    device.renameDeviceName = device.clearDeviceName = device.editDeviceTemplate = true;
    EXPECT_EQ(enabled(enabledItems(device)),
              (Commands{Command::RenameDeviceName, Command::ClearDeviceName, Command::EditDeviceTemplate}));
    JoystickTabMenu tab;
    tab.renameTabName = tab.specifyTabTemplate = true;
    EXPECT_EQ(enabled(enabledItems(tab)), (Commands{Command::RenameTabName, Command::SpecifyTabTemplate}));
}

TEST(ShellCommands, TheWindowStartsMinimisedOrHiddenAsAskedAndSet) {
    struct Case {
        bool minimizedAsked, startIconified, hideWhenMinimized;
        StartShow how;
        Lines info;
        bool shown;  // after the first showing
    };
    const Lines minimized{"Starting in a minimized mode"};
    const Lines hidden{"Starting in a minimized mode", "Not showing (hiding) the main window"};
    const Case cases[] = {
        {false, false, false, StartShow::AsAsked, {}, true},
        {false, false, true, StartShow::AsAsked, {}, true},
        {true, false, false, StartShow::Minimized, minimized, true},
        {false, true, false, StartShow::Minimized, minimized, true},
        {true, true, true, StartShow::Hidden, hidden, false},
        {false, true, true, StartShow::Hidden, hidden, false},
    };
    for (const Case& c : cases) {
        ShellFixture f;
        f.settings.startIconified = c.startIconified;
        f.settings.hideWhenMinimized = c.hideWhenMinimized;
        const std::string name = std::to_string(c.minimizedAsked) + std::to_string(c.startIconified) +
                                 std::to_string(c.hideWhenMinimized);
        const StartShow how = f.shell.startShow(c.minimizedAsked);
        EXPECT_EQ(how, c.how) << name;
        EXPECT_EQ(f.h.log.messages(LogLevel::Info), c.info) << name;
        // A hidden start is a start in the notification area: a click on
        // the icon restores the window.
        f.shell.FormShow(how);
        EXPECT_EQ(f.shell.windowShown(), c.shown) << name;
    }
}

TEST(ShellCommands, ATimerStartedAgainKeepsASuspendedProcessingSuspended) {
    ShellFixture f;
    f.shell.startProcessing();
    EXPECT_EQ(f.r.take(), (Lines{"TimerInit"}));
    f.shell.MMDisableJoystickClick();
    f.r.take();
    f.shell.startProcessing();
    EXPECT_EQ(f.r.take(), (Lines{"TimerInit", "TimerDisable"}));
}

TEST(ShellCommands, AFailureToSaveTheProfileLeftBySwitchIsShownWhenTheWindowHearsOfTheSwitch) {
    ShellFixture f;
    f.profile().modified = true;
    // A folder where the file should be: the profile cannot be written.
    std::filesystem::remove(f.folder / "A.cfg");
    std::filesystem::create_directory(f.folder / "A.cfg");
    f.manager.switchTo(1, true);  // as the timer thread does: nothing is shown there
    EXPECT_TRUE(f.dialogs.shown.empty());
    f.shell.OnProfileSwitched();
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_TRUE(f.dialogs.shown[0].starts_with("Error: Cannot save config file \"A\": ")) << f.dialogs.shown[0];
    f.shell.OnProfileSwitched();
    EXPECT_EQ(f.dialogs.shown.size(), 1u) << "told once";
}

}  // namespace
}  // namespace vrx::test
