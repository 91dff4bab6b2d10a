#include "Simulator/SimulatedDevices.h"

#include <cstdio>
#include <string>
#include <vector>

#include "AppInfo/GlobalSettings.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Joystick/DirectInputApi.h"
#include "Joystick/InputBackend.h"
#include "Joystick/InputDevices.h"
#include "Joystick/ProcessingDI.h"
#include "Joystick/ProcessingXI.h"
#include "Joystick/Vibration.h"
#include "Utils/FileStore.h"
#include "Utils/RecordingEventImpl.h"

namespace vrx {
namespace {

constexpr int kUserIndices = 4;

// The scenario's controllers as each library would report them.
struct Controller {
    bool attached = false;
    SimulatedDevices::Kind kind = SimulatedDevices::Kind::Generic;
    int userIndex = -1;  // an XInput pad's
    GenericDeviceState generic;
    XInputPadState pad;
};
using Controllers = std::array<Controller, kMaxJoysticks>;

DiGuid guidOf(int joystick) {
    DiGuid guid;
    guid.data1 = 0x51300000u + static_cast<uint32_t>(joystick);
    return guid;
}

// The XInput library with the scenario's pads on their user indices.
class SimulatedXInput final : public XInputApi {
public:
    SimulatedXInput(const Controllers& controllers, EventRecord& record)
        : controllers_(controllers), record_(record) {}

    bool load(const char*) override { return true; }
    Entries entries() const override { return Entries{true, true, true, true}; }
    uint32_t getStateEx(int user, XInputPadState& state) override {
        const Controller* c = padAt(user);
        if (!c) return kXInputNotConnected;
        state = c->pad;
        return 0;
    }
    uint32_t getState(int user, XInputPadState& state) override { return getStateEx(user, state); }
    uint32_t getCapabilitiesEx(int user, XInputPadIdentity& identity) override {
        if (!padAt(user)) return kXInputNotConnected;
        identity = XInputPadIdentity{0, 0x045E, 0x028E};
        return 0;
    }
    uint32_t setState(int user, uint16_t left, uint16_t right) override {
        if (!padAt(user)) return kXInputNotConnected;
        record_.lines.push_back("Vibration left=" + std::to_string(left) + " right=" + std::to_string(right));
        return 0;
    }

private:
    const Controller* padAt(int user) const {
        for (const Controller& c : controllers_)
            if (c.attached && c.kind == SimulatedDevices::Kind::XInput && c.userIndex == user) return &c;
        return nullptr;
    }

    const Controllers& controllers_;
    EventRecord& record_;
};

class SimulatedDirectInputDevice final : public DirectInputDevice {
public:
    explicit SimulatedDirectInputDevice(const Controller& controller) : controller_(controller) {}

    DiResult setDataFormat() override { return kDiOk; }
    DiResult setCooperativeLevel() override { return kDiOk; }
    DiResult getCapabilities(DiCapabilities& caps) override {
        caps = DiCapabilities{kAxisCount, kButtonCount, kPovCount};
        return kDiOk;
    }
    DiResult enumerateAxes(std::vector<DiAxisObject>& axes) override {
        for (uint32_t i = 0; i < kAxisCount; ++i) axes.push_back(DiAxisObject{4 * i, 0, "Axis " + std::to_string(i + 1)});
        return kDiOk;
    }
    DiResult setRange(uint32_t, int32_t, int32_t) override { return kDiOk; }
    DiResult setDeadZone(uint32_t, uint32_t) override { return kDiOk; }
    DiResult setSaturation(uint32_t, uint32_t) override { return kDiOk; }
    DiResult acquire() override { return kDiOk; }
    DiResult unacquire() override { return kDiOk; }
    DiResult poll() override { return kDiOk; }
    // The positions as the scenario gives them: the engine's own range, and
    // no dead zone of the library's.
    DiResult getState(DiJoystickState& state) override {
        const GenericDeviceState& g = controller_.generic;
        for (size_t i = 0; i < kAxisCount; ++i) state.axes[i] = g.axes[i];
        for (size_t i = 0; i < kPovCount; ++i) state.povs[i] = g.povs[i];
        for (size_t i = 0; i < kButtonCount; ++i) state.buttons[i] = g.buttons[i] ? 0x80 : 0;
        return kDiOk;
    }

private:
    const Controller& controller_;
};

// DirectInput with the scenario's generic controllers attached.
class SimulatedDirectInput final : public DirectInputApi {
public:
    explicit SimulatedDirectInput(const Controllers& controllers) : controllers_(controllers) {}

    bool create() override { return true; }
    void destroy() override {}
    std::string lastErrorText() const override { return {}; }
    std::vector<DiDeviceInstance> enumerateDevices() override {
        std::vector<DiDeviceInstance> found;
        for (int n = 0; n < kMaxJoysticks; ++n) {
            const Controller& c = controllers_[static_cast<size_t>(n)];
            if (!c.attached || c.kind != SimulatedDevices::Kind::Generic) continue;
            DiDeviceInstance instance;
            instance.instance = guidOf(n);
            const std::string name = "Simulated controller " + std::to_string(n + 1);
            instance.instanceName = instance.productName = name;
            found.push_back(instance);
        }
        return found;
    }
    std::unique_ptr<DirectInputDevice> createDevice(const DiGuid& instance, DiResult& result) override {
        result = kDiOk;
        const int n = static_cast<int>(instance.data1 - guidOf(0).data1);
        return std::make_unique<SimulatedDirectInputDevice>(controllers_[static_cast<size_t>(n)]);
    }
    void showError(const std::string&) override {}

private:
    const Controllers& controllers_;
};

class NoDeviceListUi final : public DeviceListUi {
public:
    void postUpdateJoysticks() override {}
};

// Templates only from the built-ins: a scenario never reads or writes one.
class NoFiles final : public FileStore {
public:
    std::optional<std::string> readAll(const std::filesystem::path&) const override { return std::nullopt; }
    void writeDurably(const std::filesystem::path&, std::string_view) override {}
    void replace(const std::filesystem::path&, const std::filesystem::path&) override {}
    void remove(const std::filesystem::path&) noexcept override {}
};

}  // namespace

struct SimulatedDevices::Parts {
    Parts(GlobalSettings& settings, PressedStateMemory& pressed, EngineLock& lock, EventRecord& record, Logger& log)
        : settings(settings),
          templates("templates.json", log, files),
          registry(templates),
          xinputLibrary(controllers, record),
          directInputLibrary(controllers),
          xinput(xinputLibrary, log),
          directInput(directInputLibrary, settings, log),
          vibration(xinput, log),
          devices(InputBackends{hid, xinput, directInput}, registry, settings, pressed, lock, ui, log) {
        registry.setDefaults(settings.deviceDefaults());
    }

    GlobalSettings& settings;
    Controllers controllers{};
    NoFiles files;
    DeviceTemplateManager templates;
    DeviceConfigManager registry;
    SimulatedXInput xinputLibrary;
    SimulatedDirectInput directInputLibrary;
    AbsentBackend hid;
    XInputBackend xinput;
    DirectInputBackend directInput;
    Vibration vibration;
    NoDeviceListUi ui;
    InputDevices devices;
    bool started = false;
};

SimulatedDevices::SimulatedDevices(GlobalSettings& settings, PressedStateMemory& pressed, EngineLock& lock,
                                   EventRecord& record, Logger& log)
    : parts_(std::make_unique<Parts>(settings, pressed, lock, record, log)) {}

SimulatedDevices::~SimulatedDevices() = default;

void SimulatedDevices::attach(int joystick, Kind kind) {
    Parts& p = *parts_;
    Controller& c = p.controllers[static_cast<size_t>(joystick)];
    c = Controller{};
    c.attached = true;
    c.kind = kind;
    if (kind == Kind::XInput) {
        std::array<bool, kUserIndices> taken{};
        for (const Controller& other : p.controllers)
            if (&other != &c && other.attached && other.kind == Kind::XInput) taken[static_cast<size_t>(other.userIndex)] = true;
        for (int u = 0; u < kUserIndices && c.userIndex < 0; ++u)
            if (!taken[static_cast<size_t>(u)]) c.userIndex = u;
    }
    // The device's record: the joystick it stands for, and its axes in the
    // scenario's order.
    char identity[48];
    if (kind == Kind::XInput)
        std::snprintf(identity, sizeof identity, "045E028E-%d", c.userIndex + 1);
    else
        std::snprintf(identity, sizeof identity, "{%08X-0000-0000-0000-000000000000}", guidOf(joystick).data1);
    TDeviceConfig& record = p.registry.findOrCreate(identity);
    record.PreferredNumber = joystick;
    record.AxisMapping = {0, 1, 2, 3, 4, 5, 6, 7};
    if (!p.started) {
        p.started = true;
        p.devices.InitializeInputApis();
    } else {
        p.devices.DetectJoysticks(true);
    }
}

int SimulatedDevices::deviceCount() const { return parts_->devices.deviceCount(); }

int SimulatedDevices::deviceFor(int joystick) const { return parts_->devices.deviceFor(joystick); }

int SimulatedDevices::poll(int device, const ProfileSettings& profile, JoystickSnapshot& snapshot) {
    return parts_->devices.poll(device, profile, snapshot);
}

GenericDeviceState& SimulatedDevices::generic(int joystick) {
    return parts_->controllers[static_cast<size_t>(joystick)].generic;
}

XInputPadState& SimulatedDevices::pad(int joystick) { return parts_->controllers[static_cast<size_t>(joystick)].pad; }

Vibration& SimulatedDevices::vibration() { return parts_->vibration; }

}  // namespace vrx
