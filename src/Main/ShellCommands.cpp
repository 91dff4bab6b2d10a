#include "Main/ShellCommands.h"

#include <array>
#include <exception>
#include <system_error>

#include "AppInfo/AppLauncher.h"
#include "AppInfo/GlobalSettings.h"
#include "AppInfo/WebPages.h"
#include "AppLink/AppLinkManager.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "Dialogs/PreferenceForm.h"
#include "Joystick/EngineLinks.h"
#include "Main/MainForm.h"
#include "Main/ProfileSwitchNotice.h"
#include "Main/WindowGeometry.h"
#include "Utils/Logger.h"
#include "Utils/PathText.h"

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
    {1, C::DarkMode, "ダークモード (&D)"},
    {1, C::AutoStartup, "Windowsログイン時に自動で起動 (&S)"},
    {0, C::None, "機能の一時停止(&R)"},
    {1, C::DisableAppLink, "アプリケーションとの関連付け機能を一時停止"},
    {1, C::DisableJoystick, "ジョイスティックからの入力処理を一時停止"},
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
    {0, C::TrayDisableAppLink, "アプリケーションとの関連付け機能を一時停止(&A)"},
    {0, C::TrayDisableJoystick, "ジョイスティックの入力処理を一時停止(&S)"},
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

constexpr const char* kAutoStartNeedsAdministrator =
    "自動起動の設定には管理者権限が必要です。\n\nメニューの「ファイル」→「終了」を選び、Vantorixを完全に終了し、"
    "その後Vantorixを右クリックして「管理者として実行」してから、再度お試しください。";
constexpr const char* kSeeTheLog = "\n\n詳細は Vantorix.log をご確認ください。";

// Window handles are 32-bit values even in a 64-bit process.
unsigned handleText(uintptr_t handle) { return static_cast<unsigned>(handle); }

}  // namespace

std::span<const MenuEntry> mainMenuTable() { return kMainMenu; }
std::span<const MenuEntry> trayMenuTable() { return kTrayMenu; }
std::span<const MenuEntry> configListMenuTable() { return kConfigListMenu; }
std::span<const MenuEntry> buttonListMenuTable() { return kButtonListMenu; }
std::span<const MenuEntry> joystickTabMenuTable() { return kJoystickTabMenu; }

ShellCommands::ShellCommands(ShellParts parts) : parts_(std::move(parts)) {}

bool ShellCommands::appLinkSuspended() const { return parts_.appLink.suspended(); }

bool ShellCommands::darkMode() const { return parts_.settings.darkMode; }

std::vector<TrayProfileItem> ShellCommands::trayProfileItems() const {
    std::vector<TrayProfileItem> items;
    const auto& names = parts_.profiles.names();
    for (size_t i = 0; i < names.size(); ++i)
        items.push_back({names[i], static_cast<int>(i), static_cast<int>(i) == parts_.profiles.currentIndex()});
    return items;
}

void ShellCommands::message(const std::string& text, const char* caption, MessageIcon icon) {
    parts_.dialogs.message(text, caption, icon, MessageButtons::Ok);
}

// --- The window's life ---

void ShellCommands::readAutoStartup() { autoStartup_ = parts_.autoStart.exists(); }

void ShellCommands::FormActivate() {
    if (!parts_.firstRun) return;
    parts_.shellDialogs.showGreeting();
    parts_.firstRun = false;
}

bool ShellCommands::FormCloseQuery() {
    const bool canClose = reallyExit_ || !parts_.settings.exitMeansMinimize;
    parts_.log.debug(canClose ? "OnCloseQuery [CanClose=true]" : "OnCloseQuery [CanClose=false]");
    if (!canClose) parts_.window.minimizeApplication();
    return canClose;
}

void ShellCommands::ApplicationMinimize() {
    windowShown_ = false;
    if (!parts_.settings.hideWhenMinimized) return;
    parts_.log.debug("ShowWindow(SW_HIDE)");
    parts_.window.hideTaskbarWindow();
}

void ShellCommands::ApplicationRestore() {
    if (!parts_.settings.hideWhenMinimized) return;
    parts_.log.debug("ShowWindow(SW_SHOW)");
    parts_.window.showTaskbarWindow();
    parts_.window.bringToFront();
}

void ShellCommands::ApplicationDeactivate() {
    parts_.log.debug("Application Deactivated");
    const ConfigFile* profile = parts_.profiles.currentProfile();
    if (!profile || !profile->modified) return;
    // A failed write leaves the profile modified, so the next deactivation
    // or the exit tries again.
    try {
        parts_.profiles.saveCurrent(parts_.profiles.currentName());
    } catch (const std::exception& failure) {
        message(failure.what(), "Error", MessageIcon::Error);
    }
}

// --- Commands ---

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

void ShellCommands::MMExitClick() {
    reallyExit_ = true;
    parts_.window.closeMainWindow();
}

void ShellCommands::MMOpenConfigDirClick() { parts_.shell.exploreFolder(pathToUtf8(parts_.dataDirectory)); }

void ShellCommands::MMPreferenceClick() {
    // A new speed restarts the timer as a style change does; a new input
    // API mode re-detects as the detect command does.
    struct Restart final : ProcessingRestart {
        ShellCommands& shell;
        explicit Restart(ShellCommands& s) : shell(s) {}
        void terminateTimer() override { shell.parts_.theme.terminateProcessing(); }
        void initTimer() override { shell.parts_.theme.initProcessing(); }
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

// --- Suspending ---

void ShellCommands::MMDisableAppLinkClick() { parts_.appLink.toggleSuspended(); }

void ShellCommands::MMDisableJoystickClick() {
    joystickSuspended_ = !joystickSuspended_;
    if (joystickSuspended_) {
        parts_.log.info("Disabling joystick processing temporarily");
        parts_.timer.disable();
    } else {
        parts_.log.info("Enabling joystick processing");
        parts_.timer.enable();
    }
    parts_.form.setProcessingSuspended(joystickSuspended_);
}

void ShellCommands::redetect(bool force) {
    parts_.timer.disable();
    parts_.detection.detect(force);
    if (!joystickSuspended_) parts_.timer.enable();
}

void ShellCommands::btnDetectClick() { redetect(true); }

// --- Theme ---

void ShellCommands::MMDarkModeClick(uintptr_t currentHandle) {
    parts_.log.info("Switching the theme");
    parts_.theme.terminateProcessing();
    parts_.theme.unregisterRawInput();
    parts_.theme.processPendingMessages();
    parts_.log.debugf("Original HWND = %#08x", handleText(currentHandle));

    GlobalSettings& settings = parts_.settings;
    settings.darkMode = !settings.darkMode;
    parts_.log.info(settings.darkMode ? "Changing to the Dark Mode" : "Changing to the default style");
    parts_.theme.applyStyle(settings.darkMode ? "Glow" : "Windows");
    delayedTimerTag_ = 1;
    delayedTimerRunning_ = true;
}

void ShellCommands::DelayedExecTimerTimer(bool menuOpen, uintptr_t newHandle) {
    // The new handle is only final once no menu of the old one is open.
    if (!delayedTimerRunning_ || menuOpen) return;
    delayedTimerRunning_ = false;
    if (delayedTimerTag_ != 1) return;
    delayedTimerTag_ = 0;
    parts_.log.debugf("Style changed: New HWND = %#08x", handleText(newHandle));
    parts_.theme.publishWindow(newHandle);
    parts_.theme.registerRawInput();
    parts_.theme.initProcessing();
    if (joystickSuspended_) parts_.timer.disable();
}

// --- Auto start ---

void ShellCommands::MMAutoStartupClick() {
    AutoStartTask& task = parts_.autoStart;
    if (!task.runningAsAdministrator()) {
        message(kAutoStartNeedsAdministrator, "Warning", MessageIcon::Warning);
        return;
    }
    const bool exists = task.exists();
    const char* question = exists ? "自動起動を無効にしますか？"
                                  : "Windows起動時にVantorixを自動起動しますか？\n（管理者権限で実行されます）";
    if (parts_.dialogs.message(question, "Vantorix", MessageIcon::Question, MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return;
    if (exists ? task.remove() : task.create()) {
        autoStartup_ = !exists;
        message(exists ? "自動起動を無効にしました。" : "自動起動を設定しました。", "Vantorix",
                MessageIcon::Information);
    } else {
        message(std::string(exists ? "自動起動の無効化に失敗しました。" : "自動起動の設定に失敗しました。") + kSeeTheLog,
                "Error", MessageIcon::Error);
    }
}

// --- Tray ---

void ShellCommands::TrayIconClick() {
    if (!windowShown_) {
        PMTaskTrayOpenClick();
    } else if (!parts_.firstRun) {
        parts_.window.minimizeApplication();
    }
}

void ShellCommands::TrayIconMouseDown(bool) {
    // The profile items of a right click's menu come from trayProfileItems(),
    // which the view reads as the menu opens.
    redetect(true);
}

void ShellCommands::PMTaskTrayConfigItemClick(int index) { parts_.profiles.switchTo(index, false); }

void ShellCommands::PMTaskTrayOpenClick() {
    parts_.log.debug("Restoring Main Window from Task Tray");
    parts_.window.restoreApplication();
    windowShown_ = true;
    parts_.window.showMainWindow();
}

void ShellCommands::PMResetWindowPositionClick() {
    parts_.log.debug("Resetting the position of Main Window form");
    parts_.window.setBounds(kResetLeft, kResetTop, kResetWidth, kResetHeight);
    PMTaskTrayOpenClick();
}

// --- Profile switch ---

void ShellCommands::OnProfileSwitched() {
    MainForm& form = parts_.form;
    form.selectCurrentProfile();
    form.RefreshDisplay();
    form.UpdateCaption();
    // The switch, maybe on the timer thread, only kept the failure to write
    // the profile it left; the user hears of it here.
    if (const std::string failure = parts_.profiles.takeSwitchSaveFailure(); !failure.empty())
        message(failure, "Error", MessageIcon::Error);
    const ConfigFile* profile = parts_.profiles.currentProfile();
    if (!profile) return;
    if (parts_.settings.notifyProfileImage) showProfileImage(profile->settings.imageFile);
    if (parts_.settings.notifyBalloon)
        parts_.notices.showBalloon("Vantorix", "設定ファイル: " + parts_.profiles.currentName(), 1000);
    parts_.switchNotice.announce(*profile, joystickSuspended_);
}

// An image of the profile before stays hidden when this one has none or
// has lost it.
void ShellCommands::showProfileImage(const std::string& imageFile) {
    if (imageFile.empty()) {
        parts_.notices.hideImage();
        return;
    }
    const std::string path = resolveDataFile(parts_.dataDirectory, imageFile);
    std::error_code error;
    if (!std::filesystem::exists(pathFromUtf8(path), error)) {
        parts_.log.error("Warning: failed to find an image file: " + path);
        parts_.notices.hideImage();
        return;
    }
    parts_.log.info("Displaying an image file: " + path);
    parts_.notices.showImage(path, parts_.settings.profileImagePosition, parts_.settings.profileImageDuration);
}

}  // namespace vrx
