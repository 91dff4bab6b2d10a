#include "Vantorix/Application_win.h"

#include "AppInfo/StartUp.h"
#include "AppInfo/StartUpSystem_win.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "Joystick/Processing.h"
#include "Main/AppMessages.h"
#include "Main/MainWindow_win.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/EventImpl_win.h"
#include "Utils/FileLogger.h"
#include "Utils/PathText.h"
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

// The engine lock until the processing timer brings the real one: only the
// user-interface thread touches the engine so far.
class UiThreadOnly final : public EngineLock {
public:
    void enter() override {}
    void leave() override {}
};

class NoTimer final : public TimerControl {
public:
    void disable() override {}
    void enable() override {}
};

struct Application {
    Application(AppInfo& info, FileLogger& logger)
        : app(info),
          log(logger),
          senders(log, [this] { return reinterpret_cast<WindowHandle>(GetForegroundWindow()); }),
          window(app.settings, hooks()),
          link(window),
          dialogs(window),
          engine(EngineLinks{profiles, app.settings, devices, senders, link, log}),
          profiles(pathFromUtf8(app.dataDirectory), app.settings, engine, lock, dialogs, log),
          messages(profiles, engine.virtualInput(), window, systemAnsiCodePage(), log) {
        window.setMessages(messages);
    }

    MainWindow::Hooks hooks() {
        MainWindow::Hooks h;
        h.profileNames = [this] { return profiles.names(); };
        h.currentProfile = [this] { return profiles.currentProfile() ? profiles.currentName() : std::string(); };
        h.attachVirtualInput = [this](int suppressed, int target) {
            engine.virtualInput().attach(suppressed, target, profiles.currentProfile(), timer, engine.tickContext());
        };
        h.redetectDevices = [] {};
        h.stopProcessing = [] {};
        h.restartProcessing = [] {};
        h.destroying = [this] { profiles.shutdown(); };
        return h;
    }

    AppInfo& app;
    FileLogger& log;
    NoDevices devices;
    UiThreadOnly lock;
    NoTimer timer;
    WindowsKeySenders senders;
    MainWindow window;
    WindowLink link;
    ProfileDialogs dialogs;
    ProcessingEngine engine;
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
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    log.close();
    return 0;
}

}  // namespace vrx
