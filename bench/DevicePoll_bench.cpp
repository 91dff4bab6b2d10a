#include <benchmark/benchmark.h>

#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ProfileSettings.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Joystick/DeviceList.h"
#include "Joystick/ProcessingDI.h"
#include "Utils/Logger.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

// Every device reports the same busy state: both sticks and the extra
// axes deflected, all four hats on a diagonal, every other button down.
DiJoystickState busyState() {
    DiJoystickState state;
    state.axes = {700, -650, 300, -900, 450, -520, 800, -1000};
    state.povs = {4500, 13500, 22500, 31500};
    for (int b = 0; b < kButtonCount; b += 2) state.buttons[b] = 0x80;
    return state;
}

class FixedDevice final : public DirectInputDevice {
public:
    DiResult setDataFormat() override { return kDiOk; }
    DiResult setCooperativeLevel() override { return kDiOk; }
    DiResult getCapabilities(DiCapabilities& caps) override {
        caps = {8, kButtonCount, kPovCount};
        return kDiOk;
    }
    DiResult enumerateAxes(std::vector<DiAxisObject>& axes) override {
        for (uint32_t offset = 0; offset < 32; offset += 4) axes.push_back({offset, 0x102, "Axis"});
        return kDiOk;
    }
    DiResult setRange(uint32_t, int32_t, int32_t) override { return kDiOk; }
    DiResult setDeadZone(uint32_t, uint32_t) override { return kDiOk; }
    DiResult setSaturation(uint32_t, uint32_t) override { return kDiOk; }
    DiResult acquire() override { return kDiOk; }
    DiResult unacquire() override { return kDiOk; }
    DiResult poll() override { return kDiOk; }
    DiResult getState(DiJoystickState& state) override {
        state = state_;
        return kDiOk;
    }

private:
    DiJoystickState state_ = busyState();
};

class FixedDirectInput final : public DirectInputApi {
public:
    explicit FixedDirectInput(int devices) : devices_(devices) {}
    bool create() override { return true; }
    void destroy() override {}
    std::string lastErrorText() const override { return {}; }
    std::vector<DiDeviceInstance> enumerateDevices() override {
        std::vector<DiDeviceInstance> list(static_cast<size_t>(devices_));
        for (int i = 0; i < devices_; ++i) {
            list[static_cast<size_t>(i)].instance.data1 = static_cast<uint32_t>(i + 1);
            list[static_cast<size_t>(i)].product.data1 = 0x00011234;
        }
        return list;
    }
    std::unique_ptr<DirectInputDevice> createDevice(const DiGuid&, DiResult& result) override {
        result = kDiOk;
        return std::make_unique<FixedDevice>();
    }
    void showError(const std::string&) override {}

private:
    int devices_;
};

// One tick's polls of every device, as the engine makes them: the snapshot
// cleared, then filled by the back end.
void pollDevices(benchmark::State& state, int devices, bool eightWay) {
    TempFolder folder;
    NullLogger log;
    DeviceTemplateManager templates{folder / "templates.json", log};
    DeviceConfigManager registry{templates};
    DeviceList list;
    GlobalSettings settings;
    FixedDirectInput api(devices);
    DirectInputBackend backend{api, settings, log};
    backend.start();
    DetectionContext context{registry, list, log, 0, false};
    backend.detect(context);
    ProfileSettings profile;
    profile.numberOfButtons = kButtonCount;
    profile.usePOV8Way = eightWay;
    profile.useDiagonalInput = true;
    JoystickSnapshot snapshot;
    for (auto _ : state) {
        for (int d = 0; d < list.total(); ++d) {
            snapshot.clearForPoll(activeSlotCount(profile.numberOfButtons));
            benchmark::DoNotOptimize(backend.poll(*list.at(d), profile, snapshot));
        }
        benchmark::ClobberMemory();
    }
    state.counters["devices"] = list.total();
}

void BM_DirectInputPoll_1Device(benchmark::State& state) { pollDevices(state, 1, false); }
void BM_DirectInputPoll_1Device8WayHats(benchmark::State& state) { pollDevices(state, 1, true); }
void BM_DirectInputPoll_50Devices(benchmark::State& state) { pollDevices(state, kMaxDevices, false); }

BENCHMARK(BM_DirectInputPoll_1Device);
BENCHMARK(BM_DirectInputPoll_1Device8WayHats);
BENCHMARK(BM_DirectInputPoll_50Devices)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vrx::test
