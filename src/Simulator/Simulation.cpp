#include "Simulator/Simulation.h"

#include <map>
#include <ostream>
#include <utility>

#include "AppInfo/SettingKeys.h"
#include "ConfigFileManager/ConfigFile.h"
#include "Joybutton/JoyButtonProcess.h"
#include "Joystick/ForegroundTracking.h"
#include "Joystick/Processing.h"
#include "Simulator/SimulatedDevices.h"
#include "Utils/CaseInsensitive.h"
#include "Utils/Logger.h"
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

// The profile list of the data directory, switching as the program does:
// release everything the old profile holds, then install the new one.
class SimulatedProfiles final : public ProfileHost {
public:
    SimulatedProfiles(std::vector<std::string> names, Simulation::ProfileLoader load, Logger& log)
        : names_(std::move(names)), load_(std::move(load)), log_(log) {}

    void start(std::string_view name, ProcessingEngine& engine, EventRecord& record) {
        engine_ = &engine;
        record_ = &record;
        current_ = load_(name);
        currentName_ = name;
        engine.ResetShiftTracking(*current_);
    }

    ConfigFile* currentProfile() override { return current_.get(); }

    void switchToName(std::string_view name) override {
        const std::string* found = nullptr;
        for (const std::string& n : names_)
            if (equalsIgnoringCase(n, name)) found = &n;
        if (!found) {
            log_.error("Failed to load ConfigFile \"" + std::string(name) + "\" - cannot be found in the list");
            return;
        }
        if (*found == currentName_) return;
        log_.info("About to load config file \"" + *found + "\"");
        for (int n = 0; n < kMaxJoysticks; ++n)
            if (JoystickConfig* joystick = current_->joystick(n))
                for (JoyButton& slot : joystick->slots()) ForceRelease(slot, engine_->tickContext());
        engine_->virtualInput().clearButtons();
        current_ = load_(*found);
        currentName_ = *found;
        record_->lines.push_back("ProfileSwitch name=\"" + *found + "\"");
        engine_->ResetShiftTracking(*current_);
    }

private:
    std::vector<std::string> names_;
    Simulation::ProfileLoader load_;
    Logger& log_;
    ProcessingEngine* engine_ = nullptr;
    EventRecord* record_ = nullptr;
    std::unique_ptr<ConfigFile> current_;
    std::string currentName_;
};

}  // namespace

struct Simulation::Parts {
    Parts(GlobalSettings s, std::vector<std::string> names, ProfileLoader load, Logger& l)
        : settings(std::move(s)), log(l), profiles(std::move(names), std::move(load), l) {}

    GlobalSettings settings;
    Logger& log;
    SimulatedProfiles profiles;
    SimulatedDevices devices{settings.analogDeadZone};
    RecordingKeySenders senders;
    HeadlessUi ui;
    NoTimer timer;
    SimulatedWindows windows;
    ForegroundTracker foreground;
    WindowHandle foregroundWindow = 0;
    ProcessingEngine engine{EngineLinks{profiles, settings, devices, senders, ui, log}};

    void apply(const ScenarioCommand& c);
    void timerCallback(int tick);
};

Simulation::Simulation(GlobalSettings settings, std::vector<std::string> profileNames, std::string startProfile,
                       ProfileLoader load, Logger& log)
    : parts_(std::make_unique<Parts>(std::move(settings), std::move(profileNames), std::move(load), log)) {
    parts_->profiles.start(startProfile, parts_->engine, parts_->senders.record);
}

Simulation::~Simulation() = default;

void Simulation::Parts::apply(const ScenarioCommand& c) {
    using Kind = ScenarioCommand::Kind;
    const auto device = [&]() -> SimulatedDevices::Device& { return devices.device(c.joystick); };
    switch (c.kind) {
        case Kind::Set:
            assignSetting(settings, *findSettingKey(c.text), c.argument);
            break;
        case Kind::Device:
            devices.attach(c.joystick, c.value == 0 ? SimulatedDevices::Kind::Generic : SimulatedDevices::Kind::XInput);
            break;
        case Kind::Button:
            device().generic.buttons[c.index] = c.value != 0;
            break;
        case Kind::Axis:
            device().generic.axes[c.index] = static_cast<int32_t>(c.value);
            break;
        case Kind::Pov:
            device().generic.povs[c.index] = static_cast<uint32_t>(c.value);
            break;
        case Kind::XButton: {
            uint16_t& bits = device().pad.buttons;
            bits = static_cast<uint16_t>(c.value ? bits | c.index : bits & ~c.index);
            break;
        }
        case Kind::XTrigger: {
            XInputPadState& pad = device().pad;
            (c.index == 0 ? pad.leftTrigger : pad.rightTrigger) = static_cast<uint8_t>(c.value);
            break;
        }
        case Kind::XThumb: {
            XInputPadState& pad = device().pad;
            int16_t* thumbs[] = {&pad.thumbLX, &pad.thumbLY, &pad.thumbRX, &pad.thumbRY};
            *thumbs[c.index] = static_cast<int16_t>(c.value);
            break;
        }
        case Kind::Foreground:
            foregroundWindow = windows.windowOf(c.text, c.argument);
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

// What the processing timer does on each wake-up: count the tick, follow
// the foreground window, and run the tick once there is a controller.
void Simulation::Parts::timerCallback(int tick) {
    engine.setTickCount(tick);
    foreground.track(foregroundWindow, 0, windows, log);
    engine.setForeground(foreground.window(), foreground.changed(), foreground.ownWindow());
    if (devices.anyAttached()) engine.ProcessTick();
}

void Simulation::run(const Scenario& scenario, std::ostream& out) {
    Parts& p = *parts_;
    std::vector<std::string>& lines = p.senders.record.lines;
    size_t next = 0;
    for (int tick = 0; tick <= scenario.endTick; ++tick) {
        for (; next < scenario.commands.size() && scenario.commands[next].tick == tick; ++next)
            p.apply(scenario.commands[next]);
        if (tick > 0) p.timerCallback(tick);
        for (const std::string& line : lines) out << tick << ' ' << line << '\n';
        lines.clear();
    }
}

}  // namespace vrx
