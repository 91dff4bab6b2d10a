#include <benchmark/benchmark.h>

#include "ConfigFileManager/ConfigFile.h"
#include "Utils/Logger.h"
#include "support/ProfileSamples.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

// The largest profile there is: 50 joysticks of 128 buttons, every slot
// assigned and commented. The profile list loads one on every switch and
// saves one whenever the window loses the focus.
struct LargestProfile {
    LargestProfile() {
        fillEverything(profile, kMaxJoysticks, kButtonCount);
        profile.saveTo(file, log);
    }

    NullLogger log;
    TempFolder folder;
    std::filesystem::path file = folder / "Largest.cfg";
    ConfigFile profile;
};

void BM_ProfileLoad_50Joysticks128Buttons(benchmark::State& state) {
    LargestProfile largest;
    ConfigFile loaded;
    for (auto _ : state) {
        loaded.loadFrom(largest.file, largest.log);
        benchmark::DoNotOptimize(loaded.modified);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(largest.file)));
}

// Reads the existing file, rewrites every key and replaces the file,
// flushed to the disk.
void BM_ProfileSave_50Joysticks128Buttons(benchmark::State& state) {
    LargestProfile largest;
    for (auto _ : state) {
        largest.profile.saveTo(largest.file, largest.log);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_ProfileLoad_50Joysticks128Buttons)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProfileSave_50Joysticks128Buttons)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vrx::test
