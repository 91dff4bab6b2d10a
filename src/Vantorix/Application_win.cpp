#include "Vantorix/Application_win.h"

#include <atomic>
#include <exception>

#include "AppInfo/SettingsFile.h"
#include "AppInfo/StartUp.h"
#include "AppInfo/StartUpSystem_win.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "Joystick/EngineMutex.h"
#include "Joystick/ForegroundWindow.h"
#include "Joystick/MessagePump.h"
#include "Joystick/Processing.h"
#include "Joystick/ProcessingTimer.h"
#include "Joystick/TimerCallback.h"
#include "Main/AppMessages.h"
#include "Main/MainWindow_win.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/EventImpl_win.h"
#include "Utils/FileLogger.h"
#include "Utils/PathText.h"
#include "Utils/WindowInfo_win.h"
#include "Utils/WideText_win.h"

namespace vrx {
namespace {

// Controllers arrive with their back ends; until then none is detected and
// the tick never runs.
class NoDevices final : public DevicePoller {
public:
    int deviceCount() const override { return 0; }
    int deviceFor(int) const override { return -1; }
    int poll(int, const ProfileSettings&, JoystickSnapshot&) override { return kPollFailed; }
};

class WindowLink final : public UserInterfaceLink {
public:
    explicit WindowLink(const MainWindow& window) : window_(window) {}
    bool windowShown() const override { return window_.shown(); }
    bool isDeviceDialog(WindowHandle) const override { return false; }
    void postRefreshHighlight() override { PostMessageW(window_.handle(), wm::kVrxRefreshHighlight, 0, 0); }
    void postDeviceDialogRedraw() override {}

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

// What the timer asks of the parts around the engine. Rumble, device
// detection, menus and the application link come with their own parts;
// until then there is nothing to count down, detect or follow.
class ShellTimerHooks final : public TimerHooks {
public:
    void runVibrationCountdown() override {}
    bool menuOpen() const override { return false; }
    bool redetectRequested() const override { return false; }
    void detectJoysticks() override {}
    WindowHandle mainWindow() const override { return mainWindow_.load(); }
    void foregroundChanged(const std::string&, const std::string&) override {}

    void setMainWindow(HWND window) { mainWindow_.store(reinterpret_cast<WindowHandle>(window)); }

private:
    std::atomic<WindowHandle> mainWindow_{0};  // read on the timer thread
};

struct Application {
    Application(AppInfo& info, FileLogger& logger)
        : app(info),
          log(logger),
          senders(log, [this] { return reinterpret_cast<WindowHandle>(GetForegroundWindow()); }),
          window(app.settings, hooks()),
          link(window),
          dialogs(window),
          lock(log, processPendingMessages),
          windows(log),
          engine(EngineLinks{profiles, app.settings, devices, senders, link, log}),
          callback(TimerLinks{engine, devices, lock, systemForegroundWindow(), windows, timerHooks, log}),
          timer(callback, log),
          profiles(pathFromUtf8(app.dataDirectory), app.settings, engine, lock, dialogs, log),
          messages(profiles, engine.virtualInput(), window, systemAnsiCodePage(), log) {
        window.setMessages(messages);
    }

    // The main window is gone: everything it started stops, and what
    // changed is written.
    void shutDown() {
        timer.TimerTerminate();
        try {
            saveGlobalSettings(app.settings, pathFromUtf8(app.iniPath), log);
        } catch (const std::exception& e) {
            log.errorf("Cannot save the settings: %s", e.what());
        }
        profiles.shutdown();
    }

    MainWindow::Hooks hooks() {
        MainWindow::Hooks h;
        h.profileNames = [this] { return profiles.names(); };
        h.currentProfile = [this] { return profiles.currentProfile() ? profiles.currentName() : std::string(); };
        h.attachVirtualInput = [this](int suppressed, int target) {
            EngineLockGuard guard(lock);
            engine.virtualInput().attach(suppressed, target, profiles.currentProfile(), timer, engine.tickContext());
        };
        h.redetectDevices = [this] {
            timer.TimerDisable();
            timer.TimerEnable();
        };
        h.stopProcessing = [this] { timer.TimerTerminate(); };
        h.restartProcessing = [this] {
            timer.TimerTerminate();
            timer.TimerInit(app.settings.turboMode);
        };
        h.destroying = [this] { shutDown(); };
        return h;
    }

    AppInfo& app;
    FileLogger& log;
    NoDevices devices;
    WindowsKeySenders senders;
    MainWindow window;
    WindowLink link;
    ProfileDialogs dialogs;
    EngineMutex lock;
    SystemWindowInfo windows;
    ShellTimerHooks timerHooks;
    ProcessingEngine engine;
    TimerCallback callback;
    ProcessingTimer timer;
    ConfigFileManager profiles;
    AppMessages messages;
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

    Application application(app, log);
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
    application.timerHooks.setMainWindow(application.window.handle());
    application.timer.TimerInit(app.settings.turboMode);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    log.close();
    return 0;
}

}  // namespace vrx
