#include "Main/ShellCommands.h"

#include "AppInfo/GlobalSettings.h"
#include "AppInfo/WebPages.h"
#include "AppLink/AppLinkManager.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "Dialogs/PreferenceForm.h"
#include "Joystick/EngineLinks.h"
#include "Main/MainForm.h"
#include "Utils/Logger.h"
#include "Utils/PathText.h"

// The commands model: the menu tables, their check marks, and what each
// command does; the commands of one subject (the window's life, suspending,
// the theme, auto start, the tray, the profile-switch notices) are in the
// Shell*.cpp files of the same name.

namespace vrx {
namespace {

using C = Command;
constexpr const char* kSeparator = nullptr;

constexpr MenuEntry kMainMenu[] = {
    {0, C::None, "ファイル(&F)"},
    {1, C::AddNewConfiguration, "設定ファイルの新規作成(&N)"},
    {1, C::SaveConfiguration, "設定ファイルの保存(&S)"},
    {1, C::RenameConfiguration, "設定ファイルの名称変更(&R)"},
    {1, C::CopyConfiguration, "設定ファイルのコピー(&C)"},
    {1, C::DeleteConfiguration, "設定ファイルを削除(&D)"},
    {1, C::None, kSeparator},
    {1, C::OpenConfigDir, "設定ファイルのフォルダを開く(&O)"},
    {1, C::None, kSeparator},
    {1, C::Exit, "終了(&X)"},
    {0, C::None, "設定(&S)"},
    {1, C::Preference, "全体設定... (&P)"},
    {1, C::JoystickProperty, "ジョイスティックの設定... (&C)"},
    {1, C::AppLink, "アプリケーションとの関連付け... (&L)"},
    {1, C::None, kSeparator},
    {1, C::DarkMode, "ダークモード (&D)", MenuCheck::DarkMode},
    {1, C::AutoStartup, "Windowsログイン時に自動で起動 (&S)", MenuCheck::AutoStartup},
    {0, C::None, "機能の一時停止(&R)"},
    {1, C::DisableAppLink, "アプリケーションとの関連付け機能を一時停止", MenuCheck::AppLinkSuspended},
    {1, C::DisableJoystick, "ジョイスティックからの入力処理を一時停止", MenuCheck::JoystickSuspended},
    {0, C::None, "ヘルプ(&H)"},
    {1, C::Overview, "基本的な使い方(&O)"},
    {1, C::Tips, "便利な使い方(&T)"},
    {1, C::FAQ, "よくある質問(&Q)"},
    {1, C::None, kSeparator},
    {1, C::Donation, "寄付(&D)"},
    {1, C::None, kSeparator},
    {1, C::Changes, "バージョン変更履歴を見る(&C)"},
    {1, C::About, "Vantorix について(&A)"},
};

constexpr MenuEntry kTrayMenu[] = {
    {0, C::None, kSeparator},  // PMTaskTrayLine: the profiles go above it
    {0, C::TrayDisableAppLink, "アプリケーションとの関連付け機能を一時停止(&A)", MenuCheck::AppLinkSuspended},
    {0, C::TrayDisableJoystick, "ジョイスティックの入力処理を一時停止(&S)", MenuCheck::JoystickSuspended},
    {0, C::None, kSeparator},
    {0, C::TrayDetect, "ジョイスティックの再検出(&R)"},
    {0, C::ResetWindowPosition, "Vantorix のウィンドウの位置を (0,0) にリセット"},
    {0, C::TrayOpen, "Vantorix のウィンドウを開く(&O)"},
    {0, C::TrayExit, "Vantorix を終了する(&X)"},
};

constexpr MenuEntry kConfigListMenu[] = {
    {0, C::ConfigListNew, "新規作成(&N)"},
    {0, C::ConfigListCopy, "コピー(&C)"},
    {0, C::ConfigListRename, "名称変更(&R)"},
    {0, C::ConfigListDelete, "削除(&D)"},
    {0, C::None, kSeparator},
    {0, C::ConfigListSave, "保存(&S)"},
};

constexpr MenuEntry kButtonListMenu[] = {
    {0, C::ButtonListEdit, "このボタン設定を編集(&E)"},
    {0, C::None, kSeparator},
    {0, C::ButtonListCopy, "コピー(&C)\tCtrl+C"},
    {0, C::ButtonListPaste, "貼り付け(&V)\tCtrl+V"},
    {0, C::ButtonListClear, "クリア(&X)\tCtrl+X"},
    {0, C::ButtonListSwap, "入れ替え(&S)"},
    {0, C::None, kSeparator},
    {0, C::ButtonListAllClear, "すべてクリア(&A)"},
    {0, C::None, kSeparator},
    {0, C::RenameDeviceName2, "デバイスの表示名を変更(&N)"},
    {0, C::EditDeviceTemplate2, "デバイスのボタン名テンプレートを編集(&T)"},
    {0, C::RenameTabName2, "タブの表示名を変更(&B)"},
    {0, C::SpecifyTabTemplate2, "タブのボタン名テンプレートを指定(&P)"},
};

constexpr MenuEntry kJoystickTabMenu[] = {
    {0, C::JoyCopy, "このジョイスティックの設定をコピー(&C)"},
    {0, C::JoyPaste, "ジョイスティックの設定を貼り付け(&V)"},
    {0, C::JoyClear, "ボタン割り当てをすべてクリア(&A)"},
    {0, C::None, kSeparator},
    {0, C::RenameDeviceName, "デバイスの表示名を変更(&N)"},
    {0, C::ClearDeviceName, "デバイスの表示名を元に戻す(&R)"},
    {0, C::EditDeviceTemplate, "デバイスのボタン名テンプレートを編集(&T)"},
    {0, C::RenameTabName, "タブの表示名を変更(&B)"},
    {0, C::SpecifyTabTemplate, "タブのボタン名テンプレートを指定(&P)"},
};

}  // namespace

std::span<const MenuEntry> mainMenuTable() { return kMainMenu; }
std::span<const MenuEntry> trayMenuTable() { return kTrayMenu; }
std::span<const MenuEntry> configListMenuTable() { return kConfigListMenu; }
std::span<const MenuEntry> buttonListMenuTable() { return kButtonListMenu; }
std::span<const MenuEntry> joystickTabMenuTable() { return kJoystickTabMenu; }

ShellCommands::ShellCommands(ShellParts parts) : parts_(std::move(parts)) {}

bool ShellCommands::appLinkSuspended() const { return parts_.appLink.suspended(); }

bool ShellCommands::darkMode() const { return parts_.settings.darkMode; }

std::vector<MenuItemState> enabledItems(const ButtonListMenu& menu) {
    std::vector<MenuItemState> items;
    for (Command row : {C::ButtonListEdit, C::ButtonListCopy, C::ButtonListPaste, C::ButtonListClear, C::ButtonListSwap})
        items.push_back({row, menu.rowItems});
    items.push_back({C::ButtonListAllClear, menu.joystickItems});
    items.push_back({C::RenameDeviceName2, menu.renameDeviceName});
    items.push_back({C::EditDeviceTemplate2, menu.editDeviceTemplate});
    items.push_back({C::RenameTabName2, menu.renameTabName});
    items.push_back({C::SpecifyTabTemplate2, menu.specifyTabTemplate});
    return items;
}

std::vector<MenuItemState> enabledItems(const JoystickTabMenu& menu) {
    return {{C::RenameDeviceName, menu.renameDeviceName},
            {C::ClearDeviceName, menu.clearDeviceName},
            {C::EditDeviceTemplate, menu.editDeviceTemplate},
            {C::RenameTabName, menu.renameTabName},
            {C::SpecifyTabTemplate, menu.specifyTabTemplate}};
}

std::vector<MenuItemState> ShellCommands::checkMarks(std::span<const MenuEntry> table) const {
    std::vector<MenuItemState> marks;
    for (const MenuEntry& entry : table) {
        switch (entry.check) {
            case MenuCheck::None: continue;
            case MenuCheck::AppLinkSuspended: marks.push_back({entry.command, appLinkSuspended()}); break;
            case MenuCheck::JoystickSuspended: marks.push_back({entry.command, joystickSuspended_}); break;
            case MenuCheck::DarkMode: marks.push_back({entry.command, darkMode()}); break;
            case MenuCheck::AutoStartup: marks.push_back({entry.command, autoStartup_}); break;
        }
    }
    return marks;
}

void ShellCommands::message(const std::string& text, const char* caption, MessageIcon icon) {
    parts_.dialogs.message(text, caption, icon, MessageButtons::Ok);
}

bool ShellCommands::run(int command, uintptr_t windowHandle) {
    const int profiles = static_cast<int>(parts_.profiles.names().size());
    if (command >= kTrayProfileCommandBase && command < kTrayProfileCommandBase + profiles) {
        PMTaskTrayConfigItemClick(command - kTrayProfileCommandBase);
        return true;
    }
    if (command >= kSwapCommandBase && command < kSwapCommandBase + kSlotCount) {
        parts_.form.PMButtonListSwapClick(command - kSwapCommandBase);
        return true;
    }
    switch (static_cast<Command>(command)) {
        case C::OpenConfigDir: MMOpenConfigDirClick(); return true;
        case C::Exit:
        case C::TrayExit: MMExitClick(); return true;
        case C::Preference: MMPreferenceClick(); return true;
        case C::JoystickProperty: MMJoystickPropertyClick(); return true;
        case C::AppLink: parts_.shellDialogs.showAppLink(); return true;
        case C::DarkMode: MMDarkModeClick(windowHandle); return true;
        case C::AutoStartup: MMAutoStartupClick(); return true;
        case C::DisableAppLink:
        case C::TrayDisableAppLink: MMDisableAppLinkClick(); return true;
        case C::DisableJoystick:
        case C::TrayDisableJoystick: MMDisableJoystickClick(); return true;
        case C::Overview: openWebPage("/ja/overview"); return true;
        case C::Tips: openWebPage("/ja/blog/category/vantorix/"); return true;
        case C::FAQ: openWebPage("/ja/faq"); return true;
        case C::Donation: openWebPage("/ja/donate"); return true;
        case C::Changes: openWebPage("/ja/news"); return true;
        case C::About: parts_.shellDialogs.showAbout(); return true;
        case C::TrayDetect: btnDetectClick(); return true;
        case C::ResetWindowPosition: PMResetWindowPositionClick(); return true;
        case C::TrayOpen: PMTaskTrayOpenClick(); return true;
        default: return runFormCommand(static_cast<Command>(command));
    }
}

// The commands that edit what the main window shows.
bool ShellCommands::runFormCommand(Command command) {
    MainForm& form = parts_.form;
    switch (command) {
        case C::AddNewConfiguration:
        case C::ConfigListNew: form.btnAddNewClick(); return true;
        case C::SaveConfiguration:
        case C::ConfigListSave: form.btnSaveClick(); return true;
        case C::RenameConfiguration:
        case C::ConfigListRename: form.btnRenameClick(); return true;
        case C::CopyConfiguration:
        case C::ConfigListCopy: form.btnCopyClick(); return true;
        case C::DeleteConfiguration:
        case C::ConfigListDelete: form.btnDeleteClick(); return true;
        case C::ButtonListEdit: form.lvButtonListDblClick(); return true;
        case C::ButtonListCopy: form.PMButtonListCopyClick(); return true;
        case C::ButtonListPaste: form.PMButtonListPasteClick(); return true;
        case C::ButtonListClear: form.PMButtonListClearClick(); return true;
        case C::ButtonListAllClear:
        case C::JoyClear: form.PMButtonListAllClearClick(); return true;
        case C::JoyCopy: form.PMJoyCopyToClipboardClick(); return true;
        case C::JoyPaste: form.PMJoyPasteFromClipboardClick(); return true;
        case C::RenameDeviceName:
        case C::RenameDeviceName2: form.PMRenameDeviceNameClick(); return true;
        case C::ClearDeviceName: form.PMClearDeviceNameClick(); return true;
        case C::RenameTabName:
        case C::RenameTabName2: form.PMRenameTabNameClick(); return true;
        case C::EditDeviceTemplate:
        case C::EditDeviceTemplate2: form.PMEditDeviceTemplateClick(); return true;
        case C::SpecifyTabTemplate:
        case C::SpecifyTabTemplate2: form.PMSpecifyTabTemplateClick(); return true;
        default: return false;
    }
}

void ShellCommands::MMOpenConfigDirClick() { parts_.shell.exploreFolder(pathToUtf8(parts_.dataDirectory)); }

void ShellCommands::MMPreferenceClick() {
    // A new speed restarts the timer as a style change does; a new input
    // API mode re-detects as the detect command does.
    struct Restart final : ProcessingRestart {
        ShellCommands& shell;
        explicit Restart(ShellCommands& s) : shell(s) {}
        void terminateTimer() override { shell.parts_.theme.terminateProcessing(); }
        void initTimer() override { shell.startProcessing(); }
        void detectDevices() override { shell.redetect(true); }
    } restart(*this);
    PreferenceForm form(PreferenceParts{parts_.settings, parts_.form.engineLock(), restart, parts_.dialogs,
                                        parts_.dataDirectory, parts_.log});
    parts_.log.debug("Opening PreferenceDialog...");
    parts_.shellDialogs.showPreference(form);
    parts_.log.debug("Closed PreferenceDialog");
    parts_.settingsStore.saveGlobalSettings();
}

void ShellCommands::MMJoystickPropertyClick() {
    parts_.log.debug("Opening DeviceConfigDialog...");
    redetect(false);
    parts_.shellDialogs.showDeviceConfig();
    parts_.log.debug("Closed DeviceConfigDialog");
    parts_.settingsStore.saveGlobalSettings();
    // The engine must not post to the dialog while it goes.
    parts_.timer.disable();
    parts_.shellDialogs.withdrawDeviceConfig();
    parts_.detection.detect(true);
    if (!joystickSuspended_) parts_.timer.enable();
}

void ShellCommands::openWebPage(const std::string& path) { parts_.shell.openAddress(webPageAddress(path)); }

}  // namespace vrx
