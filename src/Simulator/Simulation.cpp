#include "Simulator/Simulation.h"

#include <map>
#include <ostream>
#include <utility>

#include "AppInfo/AppLauncher.h"
#include "AppInfo/SettingKeys.h"
#include "AppLink/AppLinkManager.h"
#include "ConfigFileManager/ConfigFile.h"
#include "ConfigFileManager/ConfigFileManager.h"
#include "Joystick/EngineMutex.h"
#include "Joystick/ForegroundTracking.h"
#include "Joystick/ForegroundWindow.h"
#include "Joystick/Processing.h"
#include "Joystick/TimerCallback.h"
#include "Joystick/Vibration.h"
#include "Simulator/SimulatedDevices.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/Clipboard.h"
#include "Utils/DateTimeFormat.h"
#include "Utils/FileStore.h"
#include "Utils/Logger.h"
#include "Utils/PathText.h"
#include "Utils/RecordingEventImpl.h"

namespace vrx {
namespace {

// Other programs' windows: each executable and title pair is one window.
class SimulatedWindows final : public WindowInfoSource {
public:
    WindowHandle windowOf(const std::string& path, const std::string& title) {
        auto [it, added] = handles_.try_emplace({path, title}, 0);
        if (added) {
            it->second = kFirstHandle + 2 * static_cast<WindowHandle>(handles_.size());
            windows_[it->second] = it->first;
        }
        return it->second;
    }
    std::string windowTitle(WindowHandle window) const override { return find(window).second; }
    std::string executablePath(WindowHandle window) const override { return find(window).first; }

private:
    using Window = std::pair<std::string, std::string>;
    static constexpr WindowHandle kFirstHandle = 0x10000;

    Window find(WindowHandle window) const {
        const auto it = windows_.find(window);
        return it == windows_.end() ? Window{} : it->second;
    }

    std::map<Window, WindowHandle> handles_;
    std::map<WindowHandle, Window> windows_;
};

class HeadlessUi final : public UserInterfaceLink {
public:
    bool windowShown() const override { return true; }
    bool isDeviceDialog(WindowHandle) const override { return false; }
    void postRefreshHighlight() override {}
    void postDeviceDialogRedraw() override {}
};

// No timer thread runs here: ticks happen only when the scenario runs one.
class NoTimer final : public TimerControl {
public:
    void disable() override {}
    void enable() override {}
};

// Only the scenario's own thread runs the engine, so the lock is always free.
class UnsharedProcessingLock final : public ProcessingLock {
public:
    bool tryEnter() override { return true; }
    void enter() override {}
    void leave() override {}
};

// The window a scenario's foreground line brought to the front.
class SimulatedForeground final : public ForegroundWindowSource {
public:
    WindowHandle window = 0;
    WindowHandle foregroundWindow() const override { return window; }
};

// What the timer callback asks around the engine: the switch rumble's
// countdown and the application link of the data directory. There are no
// menus, and devices change only when the scenario attaches one.
class SimulatedTimerHooks final : public TimerHooks {
public:
    SimulatedTimerHooks(Vibration& vibration, ConfigFileManager& profiles, const AppLinkManager& appLinks)
        : vibration_(vibration), profiles_(profiles), appLinks_(appLinks) {}

    void runVibrationCountdown() override { vibration_.countdown(); }
    bool menuOpen() const override { return false; }
    bool redetectRequested() const override { return false; }
    void detectJoysticks() override {}
    WindowHandle mainWindow() const override { return 0; }
    void foregroundChanged(const std::string& path, const std::string& title) override {
        if (!appLinks_.suspended()) profiles_.ApplyAppLink(path, title, appLinks_);
    }

private:
    Vibration& vibration_;
    ConfigFileManager& profiles_;
    const AppLinkManager& appLinks_;
};

// The profile list's questions never come up here; its switches are what
// the output reports, with the rumble the main window would start.
class SimulatedProfileUi final : public ProfileListUi {
public:
    explicit SimulatedProfileUi(EventRecord& record) : record_(record) {}
    void bind(ConfigFileManager& profiles, Vibration& vibration, const GlobalSettings& settings) {
        profiles_ = &profiles;
        vibration_ = &vibration;
        settings_ = &settings;
    }

    std::string askName(const std::string&, const std::string&, const std::string&) override { return {}; }
    MessageAnswer ask(const std::string&, const std::string&, bool) override { return MessageAnswer::Cancel; }
    void showError(const std::string&, const std::string&) override {}
    void postProfileSwitched() override {
        record_.lines.push_back("ProfileSwitch name=\"" + profiles_->currentName() + "\"");
        if (const ConfigFile* profile = profiles_->currentProfile())
            vibration_->start(profile->settings, settings_->turboMode, false);
    }

private:
    EventRecord& record_;
    ConfigFileManager* profiles_ = nullptr;
    Vibration* vibration_ = nullptr;
    const GlobalSettings* settings_ = nullptr;
};

// A text between double quotes on one output line: line breaks, quotes and
// backslashes are written as C writes them.
std::string quotedText(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            default: out += c;
        }
    }
    return out + '"';
}

// What the one-shot slots would have done, as events of the output.
class RecordedServices final : public ShellOpener, public SoundRequests, public Clipboard {
public:
    explicit RecordedServices(EventRecord& record) : record_(record) {}

    void open(const std::string& target, const std::string& parameters, const std::string& folder) override {
        record_.lines.push_back("Launch target=" + quotedText(target) + " parameters=" + quotedText(parameters) +
                                " folder=" + quotedText(folder));
    }
    void PlaySoundFile(const std::string& path) override { record_.lines.push_back("Sound path=" + quotedText(path)); }
    bool setText(std::string_view text, uintptr_t) override {
        record_.lines.push_back("Clipboard text=" + quotedText(text));
        return true;
    }

private:
    EventRecord& record_;
};

// Reads the real files and keeps every write to itself: a profile the run
// changed is never saved.
class ReadOnlyFiles final : public FileStore {
public:
    std::optional<std::string> readAll(const std::filesystem::path& path) const override {
        return localFiles().readAll(path);
    }
    void writeDurably(const std::filesystem::path&, std::string_view) override {}
    void replace(const std::filesystem::path&, const std::filesystem::path&) override {}
    void remove(const std::filesystem::path&) noexcept override {}
};

}  // namespace

struct Simulation::Parts {
    Parts(GlobalSettings s, const std::filesystem::path& folder, Logger& l, const Clock& clock)
        : settings(std::move(s)), log(l), launcher(folder, services, services),
          profiles(folder, settings, engine, lock, profileUi, l, files),
          appLinks(folder, lock, l, systemAnsiCodePage(), files) {
        // The English formats, so that a scenario's output is the same on
        // every system.
        engine.tickContext().services = SlotServices{&launcher, &services, &clock, &englishDateTimeFormat()};
        appLinks.load();
    }

    GlobalSettings settings;
    Logger& log;
    RecordingKeySenders senders;
    HeadlessUi ui;
    NoTimer timer;
    UnsharedProcessingLock lock;
    ReadOnlyFiles files;
    SimulatedProfileUi profileUi{senders.record};
    RecordedServices services{senders.record};
    AppLauncher launcher;
    SimulatedWindows windows;
    SimulatedForeground foreground;
    ProcessingEngine engine{EngineLinks{profiles, settings, devices, senders, ui, log}};
    SimulatedDevices devices{settings, engine.pressedState(), lock, senders.record, log};
    ConfigFileManager profiles;
    AppLinkManager appLinks;
    SimulatedTimerHooks hooks{devices.vibration(), profiles, appLinks};
    TimerCallback timerCallback{TimerLinks{engine, devices, lock, foreground, windows, hooks, log}};

    void apply(const ScenarioCommand& c);
};

Simulation::Simulation(GlobalSettings settings, const std::filesystem::path& profile, Logger& log,
                       const Clock& clock) {
    settings.fileName = pathToUtf8(profile.stem());
    parts_ = std::make_unique<Parts>(std::move(settings), dataDirectoryOf(profile), log, clock);
    parts_->profileUi.bind(parts_->profiles, parts_->devices.vibration(), parts_->settings);
    parts_->profiles.scan();
}

Simulation::~Simulation() = default;

std::filesystem::path Simulation::dataDirectoryOf(const std::filesystem::path& profile) {
    return profile.has_parent_path() ? profile.parent_path() : std::filesystem::path(".");
}

void Simulation::Parts::apply(const ScenarioCommand& c) {
    using Kind = ScenarioCommand::Kind;
    const auto generic = [&]() -> GenericDeviceState& { return devices.generic(c.joystick); };
    switch (c.kind) {
        case Kind::Set:
            assignSetting(settings, *findSettingKey(c.text), c.argument);
            break;
        case Kind::Device:
            devices.attach(c.joystick, c.value == 0 ? SimulatedDevices::Kind::Generic : SimulatedDevices::Kind::XInput);
            break;
        case Kind::Button:
            generic().buttons[c.index] = c.value != 0;
            break;
        case Kind::Axis:
            generic().axes[c.index] = static_cast<int32_t>(c.value);
            break;
        case Kind::Pov:
            generic().povs[c.index] = static_cast<uint32_t>(c.value);
            break;
        case Kind::XButton: {
            uint16_t& bits = devices.pad(c.joystick).buttons;
            bits = static_cast<uint16_t>(c.value ? bits | c.index : bits & ~c.index);
            break;
        }
        case Kind::XTrigger: {
            XInputPadState& pad = devices.pad(c.joystick);
            (c.index == 0 ? pad.leftTrigger : pad.rightTrigger) = static_cast<uint8_t>(c.value);
            break;
        }
        case Kind::XThumb: {
            XInputPadState& pad = devices.pad(c.joystick);
            int16_t* thumbs[] = {&pad.thumbLX, &pad.thumbLY, &pad.thumbRX, &pad.thumbRY};
            *thumbs[c.index] = static_cast<int16_t>(c.value);
            break;
        }
        case Kind::Foreground:
            foreground.window = windows.windowOf(c.text, c.argument);
            break;
        case Kind::VirtualAttach:
            engine.virtualInput().attach(c.joystick, c.index, profiles.currentProfile(), timer, engine.tickContext());
            break;
        case Kind::VirtualPress:
            engine.virtualInput().press(c.index);
            break;
        case Kind::VirtualRelease:
            engine.virtualInput().release(c.index);
            break;
        case Kind::End:
            break;
    }
}

void Simulation::run(const Scenario& scenario, std::ostream& out) {
    Parts& p = *parts_;
    std::vector<std::string>& lines = p.senders.record.lines;
    size_t next = 0;
    for (int tick = 0; tick <= scenario.endTick; ++tick) {
        for (; next < scenario.commands.size() && scenario.commands[next].tick == tick; ++next)
            p.apply(scenario.commands[next]);
        // The processing timer's wake-up, as the timer thread makes it.
        if (tick > 0) p.timerCallback();
        for (const std::string& line : lines) out << tick << ' ' << line << '\n';
        lines.clear();
    }
}

}  // namespace vrx
