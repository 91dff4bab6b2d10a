#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Dialogs/AppLinkLinks.h"
#include "Main/AppMessages.h"
#include "Main/MainForm.h"
#include "Main/MainFormLinks.h"
#include "Main/ShellCommands.h"
#include "Ui/Button_win.h"
#include "Ui/FormLink.h"
#include "Ui/ListBox_win.h"
#include "Ui/ListView_win.h"
#include "Ui/Menu_win.h"
#include "Ui/NotifyIcon_win.h"
#include "Ui/Panel_win.h"
#include "Ui/TabStrip_win.h"
#include "Ui/UiFont_win.h"

namespace vrx {

class Logger;
class OptionsPageView;
struct GlobalSettings;
struct WindowGeometry;

// The program's main window ("TMainForm", the class a second instance looks
// for): the profile list on the left, the joystick tabs with the button
// list or the options page on the right, the menus and the notification
// icon. It copies the form model's state into its controls and turns the
// controls' events into the model's handlers; the rules live in the models.
// Every handler runs through a link, the form's (MainForm, the options page
// within it) or the commands model's (ShellCommands); both links end in the
// one refresh. AppMessages answers the other programs and the system: it
// keeps nothing the window shows, and what it asks of the window (restore,
// a profile switch, the end of the session) comes back as handlers of the
// commands model.
class MainWindow final : public MainWindowActions,
                         public ShellWindow,
                         public CaptureHost,
                         public SwitchNotices,
                         public ShellActions {
public:
    // What answering the system's and other programs' messages asks of the
    // parts around the window.
    struct Hooks {
        std::function<void(int suppressed, int target)> attachVirtualInput;
        std::function<void()> redetectDevices;
        std::function<void()> deviceChanged;
        std::function<void(intptr_t handle)> rawInput;
        std::function<void()> stopProcessing;
        std::function<void()> restartProcessing;
        // The window is being destroyed: first the timer and the sound
        // player stop, then, with the geometry stored, everything the
        // window started shuts down.
        std::function<void()> stopping;
        std::function<void()> destroying;
        std::function<void(const std::string& path, int position, int durationMs)> showImage;
        std::function<void()> hideImage;
        std::function<bool()> menuOpen;
        std::function<int()> detectedCount;
    };

    MainWindow(GlobalSettings& settings, Logger& log, Hooks hooks);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    // Creates the window and its controls, not yet shown. False when the
    // window could not be made.
    bool create(HINSTANCE instance, const char* title);
    // The models exist: the window shows them and sends them its events.
    void attach(MainForm& form, ShellCommands& shell, AppMessages& messages);
    // The saved geometry, scaled to the screen (at creation).
    void restoreGeometry();
    // The first showing: as the commands model decided at start-up, with the
    // show command the system gave the process.
    void show(StartShow how, int askedShowCommand = SW_SHOWNORMAL);

    HWND handle() const { return window_; }
    // The window-shown flag the engine reads on the timer thread.
    bool shown() const { return shown_.load(std::memory_order_relaxed); }
    // Copies what the models changed into the controls and menus: for the
    // first showing, and after a change made outside the window.
    void sync() { link_.refresh(); }

    // MainWindowActions
    void restore() override { restoreApplication(); }
    void minimize() override { minimizeApplication(); }
    void close() override;
    void showError(const char* text, const char* caption) override;
    void profileSwitched() override;
    void redetectDevices() override { hooks_.redetectDevices(); }
    void deviceChanged() override { hooks_.deviceChanged(); }
    void rawInput(intptr_t handle) override { hooks_.rawInput(handle); }
    void stopProcessing() override { hooks_.stopProcessing(); }
    void restartProcessing() override { hooks_.restartProcessing(); }
    void attachVirtualInput(int suppressed, int target) override { hooks_.attachVirtualInput(suppressed, target); }
    uint32_t tickCountMs() const override { return GetTickCount(); }

    // ShellWindow and CaptureHost
    void minimizeApplication() override;
    void restoreApplication() override;
    // CaptureHost: the system's beep as a capture ends.
    void beep() override;
    void hideTaskbarWindow() override;
    void showTaskbarWindow() override;
    void bringToFront() override;
    void showMainWindow() override;
    void setBounds(int left, int top, int width, int height) override;
    void closeMainWindow() override;

    // SwitchNotices
    void showBalloon(const std::string& title, const std::string& text, int durationMs) override;
    void showImage(const std::string& path, int position, int durationMs) override;
    void hideImage() override;

    // ShellActions
    void openAddress(const std::string& address) override;
    void exploreFolder(const std::string& folder) override;

    // The style of the window and its controls ("Windows" or "Glow").
    void applyStyle(bool dark);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool handleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The one refresh of both links: what the handler changed, into the
    // controls and menus.
    void refresh();

    // MainWindowLayout_win.cpp
    void createControls();
    void createFonts();
    void layout();
    void layoutLeftPanel(int width, int height);
    void layoutJoystickPage(int width, int height);
    void placePages();
    int splitterWidth() const;
    bool overSplitter(POINT client) const;
    void dragSplitter(int x);
    void refreshProfileList();
    void refreshTabs();
    void refreshRows();
    void refreshRowTexts();
    void refreshPage();
    void applyFocusRequest();
    // The control with the keyboard focus, as the form's key handling asks.
    FocusedControl focusedControl() const;
    ui::RowLook rowLook(int row) const;
    WindowGeometry currentGeometry() const;

    // MainWindowMenus_win.cpp
    void createMenus();
    void refreshMenuChecks();
    void runCommand(int command);
    void showConfigListMenu(POINT screen);
    void showButtonListMenu(int row, POINT screen);
    void showTabMenu(int tab, POINT screen);
    void showTrayMenu();

    GlobalSettings& settings_;
    Logger& log_;
    Hooks hooks_;
    // The models, read to show them; their handlers run through the links.
    MainForm* form_ = nullptr;
    const ShellCommands* shell_ = nullptr;
    AppMessages* messages_ = nullptr;
    ui::FormLink<MainForm> link_{[this] { refresh(); }};
    // The commands' refresh is the form's, so that while either runs the
    // notifications its setters raise reach no handler of the form.
    ui::FormLink<ShellCommands> shellLink_{[this] { link_.refresh(); }};
    HWND window_ = nullptr;
    std::atomic<bool> shown_{true};
    ui::Dpi dpi_;
    int splitter96_ = 248;  // the left panel's width at 96 DPI
    bool draggingSplitter_ = false;
    bool activatedOnce_ = false;
    std::vector<std::string> shownTabs_;

    ui::UiFont font_;
    ui::UiFont boldFont_;
    ui::UiFont profileListFont_;
    ui::UiFont buttonListFont_;
    ui::Panel leftPanel_;
    ui::ListBox lbConfigList_;
    ui::Button btnAddNew_, btnRename_, btnCopy_, btnDelete_;
    ui::TabStrip tcJoystick_;
    ui::Panel tsJoystick_;
    ui::ListView lvButtonList_;
    ui::Button btnEditSelected_, btnConfigWizard_;
    std::unique_ptr<OptionsPageView> tsOptions_;
    ui::Menu mainMenu_;
    ui::NotifyIcon trayIcon_;
};

}  // namespace vrx
