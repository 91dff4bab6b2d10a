#include "Vantorix/Application_win.h"

#include <atomic>
#include <exception>

#include "AppInfo/Launcher.h"
#include "AppInfo/SettingsFile.h"
#include "AppInfo/ShellOpener_win.h"
#include "AppInfo/StartUp.h"
#include "AppInfo/StartUpSystem_win.h"
#include "AppLink/AppLinkManager.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
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
#include "Main/MainWindow_win.h"
#include "Main/ProfileSwitchNotice.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/Clipboard.h"
#include "Utils/Clock.h"
#include "Utils/DateTimeFormat.h"
#include "Utils/EventImpl_win.h"
#include "Utils/FileLogger.h"
#include "Utils/IniFile.h"
#include "Utils/PathText.h"
#include "Utils/SoundPlayer.h"
#include "Utils/SoundPlayerMci_win.h"
#include "Utils/WindowInfo_win.h"
#include "Utils/WideText_win.h"

namespace vrx {
namespace {

class WindowLink final : public UserInterfaceLink, public DeviceListUi {
public:
    explicit WindowLink(const MainWindow& window) : window_(window) {}
    bool windowShown() const override { return window_.shown(); }
    bool isDeviceDialog(WindowHandle) const override { return false; }
    void postRefreshHighlight() override { PostMessageW(window_.handle(), wm::kVrxRefreshHighlight, 0, 0); }
    void postDeviceDialogRedraw() override {}
    void postUpdateJoysticks() override { PostMessageW(window_.handle(), wm::kVrxUpdateJoysticks, 0, 0); }

private:
    const MainWindow& window_;
};

// The profile list's questions, as message boxes over the main window. The
// name dialog comes with the full window; until then naming is cancelled.
class ProfileDialogs final : public ProfileListUi {
public:
    explicit ProfileDialogs(const MainWindow& window) : window_(window) {}
    std::string askName(const std::string&, const std::string&, const std::string&) override { return {}; }
    Answer ask(const std::string& text, const std::string& caption, bool withCancel) override {
        const int answer = MessageBoxW(window_.handle(), toWide(text).c_str(), toWide(caption).c_str(),
                                       (withCancel ? MB_YESNOCANCEL : MB_YESNO) | MB_ICONWARNING);
        return answer == IDYES ? Answer::Yes : answer == IDNO ? Answer::No : Answer::Cancel;
    }
    void showError(const std::string& text, const std::string& caption) override {
        MessageBoxW(window_.handle(), toWide(text).c_str(), toWide(caption).c_str(), MB_OK | MB_ICONERROR);
    }
    void postProfileSwitched() override { PostMessageW(window_.handle(), wm::kVrxProfileSwitched, 0, 0); }

private:
    const MainWindow& window_;
};

// What the timer asks of the parts around the engine. Menus come with the
// full main window; until then none is ever open.
class ShellTimerHooks final : public TimerHooks {
public:
    ShellTimerHooks(Vibration& vibration, InputDevices& devices, ConfigFileManager& profiles,
                    const AppLinkManager& appLinks)
        : vibration_(vibration), devices_(devices), profiles_(profiles), appLinks_(appLinks) {}

    void runVibrationCountdown() override { vibration_.countdown(); }
    bool menuOpen() const override { return false; }
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
    std::atomic<WindowHandle> mainWindow_{0};  // read on the timer thread
};

struct Application {
    Application(HINSTANCE instance, AppInfo& info, FileLogger& logger)
        : app(info),
          log(logger),
          dataDirectory(pathFromUtf8(app.dataDirectory)),
          templates(dataDirectory / "templates.json", log),
          registry(templates),
          xinput(xinputLibrary, log),
          directInputLibrary(instance),
          directInput(directInputLibrary, app.settings, log),
          hid(hidLibrary, app.settings, log),
          vibration(xinput, log),
          sounds(std::make_shared<SystemMci>(), log),
          launcher(dataDirectory, shell, sounds),
          senders(log, [this] { return reinterpret_cast<WindowHandle>(GetForegroundWindow()); }),
          window(app.settings, hooks()),
          link(window),
          dialogs(window),
          lock(log, processPendingMessages),
          windows(log),
          engine(EngineLinks{profiles, app.settings, devices, senders, link, log}),
          devices(InputBackends{hid, xinput, directInput}, registry, app.settings, engine.pressedState(), lock, link,
                  log),
          appLinks(dataDirectory, lock, log),
          timerHooks(vibration, devices, profiles, appLinks),
          callback(TimerLinks{engine, devices, lock, systemForegroundWindow(), windows, timerHooks, log}),
          timer(callback, log),
          profiles(dataDirectory, app.settings, engine, lock, dialogs, log),
          messages(profiles, engine.virtualInput(), window, systemAnsiCodePage(), log),
          notice{vibration, sounds, app.settings, dataDirectory, log} {
        registry.load(IniFile::load(pathFromUtf8(app.iniPath)), DeviceDefaults::of(app.settings));
        engine.tickContext().services =
            SlotServices{&launcher, &systemClipboard(), &systemClock(), &userDateTimeFormat()};
        window.setMessages(messages);
    }

    // The main window exists: the parts that need it start, in the order
    // the window's creation starts them.
    void start() {
        timerHooks.setMainWindow(window.handle());
        directInputLibrary.setWindow(window.handle());
        hidLibrary.setWindow(window.handle());
        devices.InitializeInputApis();
        sounds.init();
        appLinks.load();
        timer.TimerInit(app.settings.turboMode);
    }

    // The main window is gone: everything it started stops, and what
    // changed is written.
    void shutDown() {
        timer.TimerTerminate();
        sounds.shutdown();
        try {
            saveGlobalSettings(app.settings, pathFromUtf8(app.iniPath), log, localFiles(),
                               [this](IniFile& ini) { registry.save(ini); });
        } catch (const std::exception& e) {
            log.errorf("Cannot save the settings: %s", e.what());
        }
        devices.ReleaseInputApis();
        profiles.shutdown();
    }

    // The processing timer stands still while the device list changes.
    void redetect() {
        timer.TimerDisable();
        devices.DetectJoysticks(true);
        timer.TimerEnable();
    }

    MainWindow::Hooks hooks() {
        MainWindow::Hooks h;
        h.profileNames = [this] { return profiles.names(); };
        h.currentProfile = [this] { return profiles.currentProfile() ? profiles.currentName() : std::string(); };
        h.attachVirtualInput = [this](int suppressed, int target) {
            EngineLockGuard guard(lock);
            engine.virtualInput().attach(suppressed, target, profiles.currentProfile(), timer, engine.tickContext());
        };
        h.redetectDevices = [this] { redetect(); };
        h.deviceChanged = [this] { devices.requestRedetection(); };
        // Raw input arrives only while the HID back end has registered for it.
        h.rawInput = [this](intptr_t handle) { hid.OnRawInput(reinterpret_cast<void*>(handle)); };
        h.profileSwitched = [this] {
            if (const ConfigFile* profile = profiles.currentProfile()) notice.announce(*profile, false);
        };
        h.stopProcessing = [this] {
            timer.TimerTerminate();
            devices.ReleaseInputApis();
        };
        h.restartProcessing = [this] {
            timer.TimerTerminate();
            devices.ReleaseInputApis();
            devices.InitializeInputApis();
            timer.TimerInit(app.settings.turboMode);
        };
        h.destroying = [this] { shutDown(); };
        return h;
    }

    AppInfo& app;
    FileLogger& log;
    std::filesystem::path dataDirectory;
    DeviceTemplateManager templates;
    DeviceConfigManager registry;
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
    MainWindow window;
    WindowLink link;
    ProfileDialogs dialogs;
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
};

}  // namespace

int runApplication(HINSTANCE instance, int showCommand, const std::vector<std::string>& arguments) {
    static FileLogger log;  // lives until the very end, so late lines still land
    AppInfo app;
    WindowsStartUpSystem system;
    const StartUpResult started = startUp(arguments, system, systemAnsiCodePage(), log, app);
    if (started.outcome == StartUpResult::Outcome::HandedOver) return 0;
    if (started.outcome == StartUpResult::Outcome::Failed) {
        MessageBoxW(nullptr, toWide(started.failure).c_str(), L"Vantorix", MB_OK | MB_ICONERROR);
        return 1;
    }

    Application application(instance, app, log);
    application.profiles.scan();
    if (showCommand == SW_SHOWMINNOACTIVE || app.settings.startIconified) {
        log.info("Starting in a minimized mode");
        showCommand = SW_SHOWMINNOACTIVE;
        if (app.settings.hideWhenMinimized) {
            log.info("Not showing (hiding) the main window");
            showCommand = SW_HIDE;
        }
    }
    if (!application.window.create(instance, kProgramTitle, showCommand)) {
        log.error("Cannot create the main window");
        return 1;
    }
    application.start();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    log.close();
    return 0;
}

}  // namespace vrx
