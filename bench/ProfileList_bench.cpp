#include <benchmark/benchmark.h>

#include "ConfigFileManager/ConfigFileManager.h"
#include "support/EngineHarness.h"
#include "support/SilentProfileUi.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

// A data directory of 1000 profiles, each with a few assignments: the scan
// lists them all and opens the one used last.
void BM_ProfileListScan_1000Profiles(benchmark::State& state) {
    TempFolder folder;
    EngineHarness h;
    h.log.setDebugEnabled(false);
    ConfigFile sample;
    for (int b = 0; b < 8; ++b) {
        JoyButton& slot = sample.joystick(0)->slot(buttonSlot(b));
        slot.type = AssignType::Keyboard;
        slot.keys[0] = static_cast<KeyCode>(0x41 + b);
        slot.comment = "ボタン";
    }
    for (int i = 0; i < 1000; ++i) sample.saveTo(folder / ("Profile " + std::to_string(i) + ".cfg"), h.log);
    GlobalSettings settings;
    UnsharedEngineLock lock;
    SilentProfileUi dialogs;
    for (auto _ : state) {
        settings.fileName = "Profile 500";
        ConfigFileManager profiles(folder.path(), settings, h.engine, lock, dialogs, h.log);
        profiles.scan();
        benchmark::DoNotOptimize(profiles.currentIndex());
    }
}

BENCHMARK(BM_ProfileListScan_1000Profiles)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vrx::test
