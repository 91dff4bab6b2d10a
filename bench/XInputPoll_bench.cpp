#include <benchmark/benchmark.h>

#include "ConfigFileManager/ProfileSettings.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Joystick/DeviceList.h"
#include "Utils/Logger.h"
#include "support/FakeXInput.h"

namespace vrx::test {
namespace {

// One pad's poll as the tick makes it: the library's state (here a fixed
// one with every input in use) turned into the engine's snapshot.
void BM_XInputPoll_OnePad(benchmark::State& state) {
    NullLogger log;
    FakeXInput library;
    library.plug(0, 0x045E, 0x028E);
    XInputPadState& pad = library.pads[0].state;
    pad.buttons = xinput::kA | xinput::kX | xinput::kDpadUp | xinput::kDpadRight | xinput::kLeftShoulder;
    pad.leftTrigger = 200;
    pad.rightTrigger = 40;
    pad.thumbLX = 20000;
    pad.thumbLY = -12000;
    pad.thumbRX = -30000;
    pad.thumbRY = 32767;

    XInputBackend backend(library, log);
    backend.start();
    DeviceTemplateManager templates("/nonexistent/templates.json", log);
    DeviceConfigManager registry(templates);
    DeviceList list;
    DetectionContext context{registry, list, log, 2, true};
    backend.detect(context);
    TDeviceConfig& device = *list.at(0);
    ProfileSettings profile;
    profile.usePOV8Way = true;
    JoystickSnapshot snapshot;
    for (auto _ : state) {
        snapshot.clearForPoll(kSlotCount);
        benchmark::DoNotOptimize(backend.poll(device, profile, snapshot));
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_XInputPoll_OnePad)->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace vrx::test
