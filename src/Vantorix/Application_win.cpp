#include "Vantorix/Application_win.h"

#include <objbase.h>
#include <versionhelpers.h>

#include <atomic>
#include <exception>

#include "AppInfo/AppLauncher.h"
#include "AppInfo/SettingsFile.h"
#include "AppInfo/ShellOpener_win.h"
#include "AppInfo/StartUp.h"
#include "AppInfo/StartUpSystem_win.h"
#include "AppInfo/WebPages.h"
#include "AppLink/AppLinkManager.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Dialogs/AppCaptureDialog_win.h"
#include "Dialogs/AssignEditor_win.h"
#include "Dialogs/ImageForm_win.h"
#include "Joystick/DirectInput_win.h"
#include "Joystick/EngineMutex.h"
#include "Joystick/ForegroundWindow.h"
#include "Joystick/InputDevices.h"
#include "Joystick/MessagePump.h"
#include "Joystick/Processing.h"
#include "Joystick/ProcessingDI.h"
#include "Joystick/ProcessingHID.h"
#include "Joystick/ProcessingTimer.h"
#include "Joystick/ProcessingXI.h"
#include "Joystick/RawInput_win.h"
#include "Joystick/TimerCallback.h"
#include "Joystick/Vibration.h"
#include "Joystick/XInputLibrary_win.h"
#include "Main/AppMessages.h"
#include "Main/EngineWindowLink_win.h"
#include "Main/MainForm.h"
#include "Main/MainWindowDialogs_win.h"
#include "Main/MainWindow_win.h"
#include "Main/ProfileSwitchNotice.h"
#include "Main/ShellCommands.h"
#include "Main/SystemFacts.h"
#include "Main/UiThreadHooks_win.h"
#include "Ui/MessageBoxes_win.h"
#include "Utils/Administrator_win.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/Clipboard.h"
#include "Utils/Clock.h"
#include "Utils/DateTimeFormat.h"
#include "Utils/EventImpl_win.h"
#include "Utils/FileLogger.h"
#include "Utils/IniFile.h"
#include "Utils/KeyboardLayout.h"
#include "Utils/PathText.h"
#include "Utils/SoundPlayer.h"
#include "Utils/SoundPlayerMci_win.h"
#include "Utils/TaskScheduler.h"
#include "Utils/WideText_win.h"
#include "Utils/WindowInfo_win.h"

namespace vrx {
namespace {

// What the timer asks of the parts around the engine.
class ShellTimerHooks final : public TimerHooks {
public:
    ShellTimerHooks(Vibration& vibration, InputDevices& devices, ConfigFileManager& profiles,
                    const AppLinkManager& appLinks, const UiThreadHooks& uiHooks)
        : vibration_(vibration), devices_(devices), profiles_(profiles), appLinks_(appLinks), uiHooks_(uiHooks) {}

    void runVibrationCountdown() override { vibration_.countdown(); }
    bool menuOpen() const override { return uiHooks_.menuOpen(); }
    bool redetectRequested() const override { return devices_.redetectRequested(); }
    void detectJoysticks() override { devices_.DetectJoysticks(false); }
    WindowHandle mainWindow() const override { return mainWindow_.load(); }
    void foregroundChanged(const std::string& path, const std::string& title) override {
        if (!appLinks_.suspended()) profiles_.ApplyAppLink(path, title, appLinks_);
    }

    void setMainWindow(HWND window) { mainWindow_.store(reinterpret_cast<WindowHandle>(window)); }

private:
    Vibration& vibration_;
    InputDevices& devices_;
    ConfigFileManager& profiles_;
    const AppLinkManager& appLinks_;
    const UiThreadHooks& uiHooks_;
    std::atomic<WindowHandle> mainWindow_{0};  // read on the timer thread
};

// A failure the user must know of (a settings file that could not be
// written): the general error report.
void reportError(HWND owner, const std::exception& e) { ui::showMessageBox(owner, e.what(), "Error", MessageIcon::Error); }

// The program: every part, made in the order they need each other. It also
// carries out what the main window's commands ask of the system.
struct Application final : DeviceDetection, AutoStartTask, ThemeSwitching, SettingsStore {
    Application(HINSTANCE instance, AppInfo& info, FileLogger& logger)
        : app(info),
          log(logger),
          dataDirectory(pathFromUtf8(app.dataDirectory)),
          templates(*app.templates),
          registry(*app.registry),
          xinput(xinputLibrary, log),
          directInputLibrary(instance,
                             [](HWND owner, const std::string& text) {
                                 ui::showMessageBox(owner, text, "Error", MessageIcon::Error);
                             }),
          directInput(directInputLibrary, app.settings, log),
          hid(hidLibrary, app.settings, log),
          vibration(xinput, log),
          sounds(std::make_shared<SystemMci>(), log),
          launcher(dataDirectory, shell, sounds),
          senders(log, [this] { return engine.foregroundWindow(); }),
          dialogs([this] { return window.handle(); }),
          window(app.settings, log, windowHooks()),
          link(window),
          lock(log, vrx::processPendingMessages),
          windows(log),
          engine(EngineLinks{profiles, app.settings, devices, senders, link, log}),
          devices(InputBackends{hid, xinput, directInput}, registry, app.settings, engine.pressedState(), lock, link,
                  log),
          appLinks(dataDirectory, lock, log),
          timerHooks(vibration, devices, profiles, appLinks, uiHooks),
          callback(TimerLinks{engine, devices, lock, systemForegroundWindow(), windows, timerHooks, log}),
          timer(callback, log),
          profiles(dataDirectory, app.settings, engine, lock, dialogs, log),
          messages(profiles, engine.virtualInput(), window, systemAnsiCodePage(), log),
          notice{vibration, sounds, app.settings, dataDirectory, log},
          assignEditor(AssignEditorParts{lock, engine.tickContext(), systemKeyboardLayout(),
                                         [this] { return window.handle(); },
                                         [this] { return uiHooks.lastKeyDown(); }}),
          form(MainFormParts{profiles, engine, lock, app.settings, devices.list(), templates, dialogs, assignEditor,
                             dialogs, *this,
                             OptionsPageParts{profiles, lock, engine.tickContext(), link, dialogs, dataDirectory, log},
                             log, systemKeyboardLayout(), dialogs}),
          commands(ShellParts{form, profiles, app.settings, appLinks, timer, *this, window, dialogs, dialogs, window,
                              window, *this, *this, *this, notice, dataDirectory, app.firstRun, log}) {
        dialogs.attachDevices(DeviceDialogParts{registry, templates, app.settings, lock,
                                                [this](HWND dialog) { link.publishDeviceDialog(dialog); }});
        engine.tickContext().services =
            SlotServices{&launcher, &systemClipboard(), &systemClock(), &userDateTimeFormat()};
        dialogs.setAppLinkParts({appLinks, profiles.names(), systemForegroundWindow(), windows, window, log});
    }

    // The main window exists: everything else starts, in the order of the
    // window's creation, and the window shows. False when the controllers
    // cannot be read at all.
    bool start(StartShow how, int showCommand) {
        uiHooks.installKeyHook();
        if (app.settings.darkMode) window.applyStyle(true);
        publishWindow(reinterpret_cast<uintptr_t>(window.handle()));
        log.info(windowsVersionLine([](int major, int minor) {
            return IsWindowsVersionOrGreater(static_cast<WORD>(major), static_cast<WORD>(minor), 0);
        }));
        comReady = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        uiHooks.installMenuHook();
        if (!devices.InitializeInputApis()) {
            devices.ReleaseInputApis();
            ui::showMessageBox(nullptr, "DirectX 8 以上が入っていることを確認してください。", "Error",
                               MessageIcon::Error);
            abandoned = true;
            // The window goes while everything it reaches still exists.
            DestroyWindow(window.handle());
            return false;
        }
        sounds.init();
        profiles.scan();
        appLinks.load();
        imageForm.create();
        window.attach(form, commands, messages);
        window.restoreGeometry();
        form.UpdateJoystickCount(devices.deviceCount());
        form.reloadProfileList();
        log.info(privilegeLine(runningAsAdministrator()));
        commands.readAutoStartup();
        form.UpdateCaption();
        window.sync();
        // Shown before the timer starts: whoever waits for the timer finds
        // the window in place and may put another in front of it.
        window.show(how, showCommand);
        commands.startProcessing();
        return true;
    }

    // The main window is going: the timer and the sound player stop before
    // the window stores its geometry.
    void stop() {
        timer.TimerTerminate();
        sounds.shutdown();
    }

    // Then everything the window started shuts down, and what changed is
    // written. Nothing is written when the start was abandoned.
    void shutDown() {
        imageForm.HideImage();
        if (!abandoned) {
            try {
                writeSettings();
            } catch (const std::exception& e) {
                log.errorf("Cannot save the settings: %s", e.what());
                reportError(nullptr, e);
            }
        }
        devices.ReleaseInputApis();
        if (!abandoned) profiles.shutdown();
        uiHooks.removeMenuHook();
        if (comReady) CoUninitialize();
        comReady = false;
    }

    void writeSettings() {
        vrx::saveGlobalSettings(app.settings, pathFromUtf8(app.iniPath), log, localFiles(),
                           [this](IniFile& ini) { registry.save(ini); });
    }

    // DeviceDetection
    void detect(bool force) override { devices.DetectJoysticks(force); }
    // AutoStartTask
    bool runningAsAdministrator() const override { return vrx::runningAsAdministrator(); }
    bool exists() override { return AutoStartTaskExists(log); }
    bool create() override { return CreateAutoStartTask(log); }
    bool remove() override { return DeleteAutoStartTask(log); }
    // ThemeSwitching
    void terminateProcessing() override { timer.TimerTerminate(); }
    void unregisterRawInput() override {
        if (hid.ready()) hid.unregister();
    }
    void processPendingMessages() override { vrx::processPendingMessages(); }
    void applyStyle(const std::string& name) override { window.applyStyle(name == "Glow"); }
    void publishWindow(uintptr_t handle) override {
        const HWND published = reinterpret_cast<HWND>(handle);
        timerHooks.setMainWindow(published);
        directInputLibrary.setWindow(published);
        hidLibrary.setWindow(published);
    }
    void registerRawInput() override {
        if (hid.ready()) hid.start();
    }
    void initProcessing() override { timer.TimerInit(app.settings.turboMode); }
    // SettingsStore
    void saveGlobalSettings() override {
        try {
            writeSettings();
        } catch (const std::exception& e) {
            log.errorf("Cannot save the settings: %s", e.what());
            reportError(window.handle(), e);
        }
    }

    MainWindow::Hooks windowHooks() {
        MainWindow::Hooks h;
        h.attachVirtualInput = [this](int suppressed, int target) {
            EngineLockGuard guard(lock);
            engine.virtualInput().attach(suppressed, target, profiles.currentProfile(), timer, engine.tickContext());
        };
        h.redetectDevices = [this] { commands.redetect(true); };
        h.deviceChanged = [this] { devices.requestRedetection(); };
        // Raw input arrives only while the HID back end has registered for it.
        h.rawInput = [this](intptr_t handle) { hid.OnRawInput(reinterpret_cast<void*>(handle)); };
        h.stopProcessing = [this] {
            timer.TimerTerminate();
            devices.ReleaseInputApis();
        };
        h.restartProcessing = [this] {
            timer.TimerTerminate();
            devices.ReleaseInputApis();
            devices.InitializeInputApis();
            commands.startProcessing();
        };
        h.stopping = [this] { stop(); };
        h.destroying = [this] { shutDown(); };
        h.showImage = [this](const std::string& path, int position, int durationMs) {
            imageForm.ShowImage(pathFromUtf8(path), position, static_cast<unsigned>(durationMs),
                                app.settings.profileImageFullScreenRatio);
        };
        h.hideImage = [this] { imageForm.HideImage(); };
        h.menuOpen = [this] { return uiHooks.menuOpen(); };
        h.detectedCount = [this] { return devices.deviceCount(); };
        return h;
    }

    AppInfo& app;
    FileLogger& log;
    std::filesystem::path dataDirectory;
    UiThreadHooks uiHooks;
    bool comReady = false;
    bool abandoned = false;
    DeviceTemplateManager& templates;
    DeviceConfigManager& registry;
    XInputLibrary xinputLibrary;
    XInputBackend xinput;
    DirectInput8 directInputLibrary;
    DirectInputBackend directInput;
    RawInputHid hidLibrary;
    HidBackend hid;
    Vibration vibration;
    SoundPlayer sounds;
    WindowsShellOpener shell;
    AppLauncher launcher;
    WindowsKeySenders senders;
    ImageForm imageForm;
    MainWindowDialogs dialogs;
    MainWindow window;
    EngineWindowLink link;
    EngineMutex lock;
    SystemWindowInfo windows;
    ProcessingEngine engine;
    InputDevices devices;
    AppLinkManager appLinks;
    ShellTimerHooks timerHooks;
    TimerCallback callback;
    ProcessingTimer timer;
    ConfigFileManager profiles;
    AppMessages messages;
    ProfileSwitchNotice notice;
    AssignEditor assignEditor;
    MainForm form;
    ShellCommands commands;
};

}  // namespace

int runApplication(HINSTANCE instance, int showCommand, const std::vector<std::string>& arguments) {
    static FileLogger log;  // lives until the very end, so late lines still land
    AppInfo app;
    WindowsStartUpSystem system;
    const StartUpResult started = startUp(arguments, system, systemAnsiCodePage(), log, app);
    if (started.outcome == StartUpResult::Outcome::HandedOver) return 0;
    if (started.outcome == StartUpResult::Outcome::Failed) {
        ui::showMessageBox(nullptr, started.failure, "Vantorix", MessageIcon::Error);
        return 1;
    }

    Application application(instance, app, log);
    const StartShow how = application.commands.startShow(showCommand == SW_SHOWMINNOACTIVE);
    if (!application.window.create(instance, kProgramTitle)) {
        log.error("Cannot create the main window");
        return 1;
    }
    if (!application.start(how, showCommand)) return 1;
    const HWND window = application.window.handle();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The keyboard of a dialog in the main window: Tab between the
        // controls, access keys.
        if (IsWindow(window) && IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    log.close();
    return 0;
}

}  // namespace vrx
