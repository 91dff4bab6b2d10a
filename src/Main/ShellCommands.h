#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "Dialogs/FormDialogs.h"
#include "Main/MainFormLinks.h"

namespace vrx {

class AppLinkManager;
class ConfigFileManager;
class Logger;
class MainForm;
class PreferenceForm;
class TimerControl;
struct ButtonListMenu;
struct GlobalSettings;
struct JoystickTabMenu;
struct ProfileSwitchNotice;

// One command per menu item of the main menu, the notification-area menu
// and the popups, so that each table below and the view's dispatch share
// the same numbers. The numbers are the menu item identifiers.
enum class Command : int {
    None = 0,
    // Main menu
    AddNewConfiguration = 100,
    SaveConfiguration,
    RenameConfiguration,
    CopyConfiguration,
    DeleteConfiguration,
    OpenConfigDir,
    Exit,
    Preference,
    JoystickProperty,
    AppLink,
    DarkMode,
    AutoStartup,
    DisableAppLink,
    DisableJoystick,
    Overview,
    Tips,
    FAQ,
    Donation,
    Changes,
    About,
    // Notification-area menu (the profile items are trayProfileCommand(i))
    TrayDisableAppLink = 200,
    TrayDisableJoystick,
    TrayDetect,
    ResetWindowPosition,
    TrayOpen,
    TrayExit,
    // Profile list popup
    ConfigListNew = 300,
    ConfigListCopy,
    ConfigListRename,
    ConfigListDelete,
    ConfigListSave,
    // Button list popup (the swap items are swapCommand(slot))
    ButtonListEdit = 400,
    ButtonListCopy,
    ButtonListPaste,
    ButtonListClear,
    ButtonListSwap,  // the submenu
    ButtonListAllClear,
    RenameDeviceName2,
    EditDeviceTemplate2,
    RenameTabName2,
    SpecifyTabTemplate2,
    // Tab strip popup
    JoyCopy = 500,
    JoyPaste,
    JoyClear,
    RenameDeviceName,
    ClearDeviceName,
    EditDeviceTemplate,
    RenameTabName,
    SpecifyTabTemplate,
};

// Identifiers of the items built at run time: a profile of the tray menu by
// its index, a swap item by its slot.
inline constexpr int kTrayProfileCommandBase = 1000;
inline constexpr int kSwapCommandBase = 2000;
inline int trayProfileCommand(int index) { return kTrayProfileCommandBase + index; }
inline int swapCommand(int slot) { return kSwapCommandBase + slot; }

// The state an item's check mark shows; the same state may check items of
// several menus (the main menu's and the tray's suspend items).
enum class MenuCheck { None, AppLinkSuspended, JoystickSuspended, DarkMode, AutoStartup };

// One line of a menu table. A menu is a flat list in display order; depth 0
// is a top-level menu of the menu bar, each item is one deeper than the menu
// that holds it. A separator has Command::None and no caption. The caption
// carries its access key after "&".
struct MenuEntry {
    int depth;
    Command command;
    const char* caption;
    MenuCheck check = MenuCheck::None;
    bool isSeparator() const { return caption == nullptr; }
};

// An item's check mark, or whether it is enabled, as the states stand.
struct MenuItemState {
    Command command = Command::None;
    bool on = false;
    friend bool operator==(const MenuItemState&, const MenuItemState&) = default;
};

// The enabled items of the button list's and the tab strip's popups, from
// the form's state as they open.
std::vector<MenuItemState> enabledItems(const ButtonListMenu& menu);
std::vector<MenuItemState> enabledItems(const JoystickTabMenu& menu);

std::span<const MenuEntry> mainMenuTable();
// The fixed part of PMTaskTray; the profile items go before its first line,
// which is PMTaskTrayLine.
std::span<const MenuEntry> trayMenuTable();
std::span<const MenuEntry> configListMenuTable();
// The swap submenu (Command::ButtonListSwap) is filled from
// MainForm::PMButtonListPopup.
std::span<const MenuEntry> buttonListMenuTable();
std::span<const MenuEntry> joystickTabMenuTable();

// How the window shows at start: as the system asked, minimised, or hidden
// in the notification area.
enum class StartShow { AsAsked, Minimized, Hidden };

// A profile item of the tray menu.
struct TrayProfileItem {
    std::string caption;
    int index = 0;
    bool checked = false;
};

// What the main window itself does when the model asks; the view's part.
class ShellWindow {
public:
    virtual ~ShellWindow() = default;
    virtual void minimizeApplication() = 0;
    virtual void restoreApplication() = 0;
    // The task-bar window, hidden so that only the tray icon remains.
    virtual void hideTaskbarWindow() = 0;
    virtual void showTaskbarWindow() = 0;
    virtual void bringToFront() = 0;
    virtual void showMainWindow() = 0;
    // Sizes at 96 DPI; the view scales them to the screen.
    virtual void setBounds(int left, int top, int width, int height) = 0;
    // A close request; FormCloseQuery decides what it does.
    virtual void closeMainWindow() = 0;
};

// The logon task and the rights it needs.
class AutoStartTask {
public:
    virtual ~AutoStartTask() = default;
    virtual bool runningAsAdministrator() const = 0;
    virtual bool exists() = 0;
    virtual bool create() = 0;
    virtual bool remove() = 0;
};

// The steps around a style change, which recreates the main window's
// handle that the engine and raw input use.
class ThemeSwitching {
public:
    virtual ~ThemeSwitching() = default;
    virtual void terminateProcessing() = 0;  // TimerTerminate
    virtual void unregisterRawInput() = 0;
    virtual void processPendingMessages() = 0;
    virtual void applyStyle(const std::string& name) = 0;  // "Windows" or "Glow"
    virtual void publishWindow(uintptr_t handle) = 0;       // to the engine
    virtual void registerRawInput() = 0;
    virtual void initProcessing() = 0;       // TimerInit
};

// Device detection (the caller stops the timer around it).
class DeviceDetection {
public:
    virtual ~DeviceDetection() = default;
    virtual void detect(bool force) = 0;
};

// Modal dialogs of the menus.
class ShellDialogs {
public:
    virtual ~ShellDialogs() = default;
    virtual void showPreference(PreferenceForm& form) = 0;
    virtual void showAppLink() = 0;
    // The device dialog, published to the engine while it is open; it
    // stays published after it closed until withdrawDeviceConfig, which
    // the caller runs with the timer stopped.
    virtual void showDeviceConfig() = 0;
    virtual void withdrawDeviceConfig() = 0;
    virtual void showAbout() = 0;
    virtual void showGreeting() = 0;
};

struct ShellParts {
    MainForm& form;
    ConfigFileManager& profiles;
    GlobalSettings& settings;
    AppLinkManager& appLink;
    TimerControl& timer;
    DeviceDetection& detection;
    ShellWindow& window;
    FormDialogs& dialogs;
    ShellDialogs& shellDialogs;
    SwitchNotices& notices;
    ShellActions& shell;
    AutoStartTask& autoStart;
    ThemeSwitching& theme;
    SettingsStore& settingsStore;
    const ProfileSwitchNotice& switchNotice;
    std::filesystem::path dataDirectory;
    // AppInfo's first-run flag: the greeting is pending while it is set.
    bool& firstRun;
    Logger& log;
};

// The main window's tray icon, menus and system events, apart from drawing:
// what each command does, which check marks the menus show, and when the
// window is hidden, shown or closed. The view builds its menus from the
// tables, sends every command to run(), copies the check marks after each
// call and runs DelayedExecTimer while delayedExecTimerRunning().
// Its handlers live in files by subject: ShellCommands.cpp (the menu tables
// and the commands), ShellWindowLife.cpp, ShellSuspend.cpp, ShellTheme.cpp,
// ShellAutoStart.cpp, ShellTray.cpp and ShellSwitchNotices.cpp.
class ShellCommands {
public:
    explicit ShellCommands(ShellParts parts);

    // --- Check marks and states the view shows ---
    bool appLinkSuspended() const;        // MMDisableAppLink, PMTaskTrayDisableAppLink
    bool joystickSuspended() const { return joystickSuspended_; }  // MMDisableJoystick, PMTaskTrayDisableJoystick
    bool darkMode() const;                // MMDarkMode
    bool autoStartup() const { return autoStartup_; }  // MMAutoStartup
    // The check marks of the items of a menu table.
    std::vector<MenuItemState> checkMarks(std::span<const MenuEntry> table) const;
    // The application's flag that the main window is to be shown (the
    // engine's UserInterfaceLink::windowShown).
    bool windowShown() const { return windowShown_; }
    bool reallyExit() const { return reallyExit_; }
    bool delayedExecTimerRunning() const { return delayedTimerRunning_; }
    std::vector<TrayProfileItem> trayProfileItems() const;

    // --- Start-up and the window's life ---
    // Minimised when the system asks for it or StartIconified says so;
    // hidden then when HideWhenMinimized is on. Logs the choice.
    StartShow startShow(bool minimizedAsked) const;
    // The window shows for the first time. A hidden start counts as
    // minimised, so that a click on the icon restores the window; a
    // minimised one tells through ApplicationMinimize.
    void FormShow(StartShow how);
    // MMAutoStartup shows whether the logon task exists.
    void readAutoStartup();
    // The session ends (WM_QUERYENDSESSION): the window closes, and the
    // close must exit, not minimise.
    void endSession();
    void FormActivate();
    // Whether the close request may close the window; when not, the
    // application is minimised instead.
    bool FormCloseQuery();
    void ApplicationMinimize();
    void ApplicationRestore();
    // Saves a modified profile as soon as the user turns to another program.
    void ApplicationDeactivate();

    // --- Commands ---
    // Any command of the tables and the run-time items; false for an
    // identifier that is none of them.
    // windowHandle: the main window's handle now, for the theme switch.
    bool run(int command, uintptr_t windowHandle = 0);
    void MMExitClick();
    void MMOpenConfigDirClick();
    void MMPreferenceClick();
    void MMJoystickPropertyClick();
    void MMDarkModeClick(uintptr_t currentHandle);
    void DelayedExecTimerTimer(bool menuOpen, uintptr_t newHandle);
    void MMAutoStartupClick();
    void MMDisableAppLinkClick();
    void MMDisableJoystickClick();
    void openWebPage(const std::string& path);
    void TrayIconClick();
    void TrayIconMouseDown(bool rightButton);
    void PMTaskTrayConfigItemClick(int index);
    void PMTaskTrayOpenClick();
    void PMResetWindowPositionClick();
    void btnDetectClick();
    // Detection with the processing timer stopped around it. A suspended
    // processing stays suspended: every re-detection of the program
    // (device messages, the tray icon) should come through here.
    void redetect(bool force);
    // The processing timer started (TimerInit) at start-up and again after a
    // new speed, a style change or a resume; a suspended processing stays
    // suspended.
    void startProcessing();
    // WM_VRX_PROFILE_SWITCHED.
    void OnProfileSwitched();

private:
    void showProfileImage(const std::string& imageFile);
    bool runFormCommand(Command command);
    void message(const std::string& text, const char* caption, MessageIcon icon);

    ShellParts parts_;
    bool joystickSuspended_ = false;
    bool autoStartup_ = false;
    bool windowShown_ = true;
    bool reallyExit_ = false;
    bool delayedTimerRunning_ = false;
    int delayedTimerTag_ = 0;
};

}  // namespace vrx
