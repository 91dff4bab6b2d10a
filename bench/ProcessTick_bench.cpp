#include <benchmark/benchmark.h>

#include "support/FullLoad.h"

namespace vrx::test {
namespace {

// Every slot of every joystick assigned and fully on: the tick's worst case.
void runTicks(benchmark::State& state, int joysticks, int buttons) {
    EngineHarness h;
    h.log.setDebugEnabled(false);
    loadEverything(h, joysticks, buttons);
    h.tick(3);
    for (auto _ : state) {
        h.tick();
        benchmark::ClobberMemory();
    }
}

void BM_ProcessTick_50Joysticks128Buttons(benchmark::State& state) { runTicks(state, kMaxJoysticks, kButtonCount); }
void BM_ProcessTick_2Joysticks32Buttons(benchmark::State& state) { runTicks(state, 2, 32); }

BENCHMARK(BM_ProcessTick_50Joysticks128Buttons)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProcessTick_2Joysticks32Buttons)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vrx::test
