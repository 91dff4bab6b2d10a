#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "support/FullLoad.h"

namespace vrx::test {
namespace {

void runTicks(benchmark::State& state, EngineHarness& h) {
    h.tick(3);  // past the first tick's profile rule and the presses
    for (auto _ : state) {
        h.tick();
        benchmark::ClobberMemory();
    }
}

// Every slot of every joystick assigned and every input fully on.
void runFullLoad(benchmark::State& state, int joysticks, int buttons) {
    EngineHarness h;
    h.log.setDebugEnabled(false);
    loadEverything(h, joysticks, buttons);
    runTicks(state, h);
}

void BM_ProcessTick_50Joysticks128Buttons(benchmark::State& state) { runFullLoad(state, kMaxJoysticks, kButtonCount); }
void BM_ProcessTick_2Joysticks32Buttons(benchmark::State& state) { runFullLoad(state, 2, 32); }

// Controllers that hold every slot at once, both directions of each axis and
// every hat direction included, which no real controller can.
class EverySlotHeld final : public DevicePoller {
public:
    int deviceCount() const override { return kMaxJoysticks; }
    int deviceFor(int joystick) const override { return joystick; }
    int poll(int, const ProfileSettings&, JoystickSnapshot& snapshot) override {
        snapshot.slotValue.fill(kFullValue);
        return kPollOk;
    }
};

// Every slot a one-key Keyboard slot and every one of them held: the steady
// state with the most keys down.
void BM_ProcessTick_50Joysticks128Buttons_EverySlotHeld(benchmark::State& state) {
    EngineHarness h;
    h.log.setDebugEnabled(false);
    loadEverything(h, kMaxJoysticks, kButtonCount);
    EverySlotHeld devices;
    ProcessingEngine engine{EngineLinks{h.profiles, h.settings, devices, h.senders, h.ui, h.log}};
    engine.ResetShiftTracking(h.profile);
    const auto tick = [&engine] {
        engine.setTickCount(engine.tickCount() + 1);
        engine.ProcessTick();
    };
    for (int i = 0; i < 3; ++i) tick();
    for (auto _ : state) {
        tick();
        benchmark::ClobberMemory();
    }
}

// Every input of every joystick changes in every tick, so no joystick can be
// left out as idle: sticks sweeping with mouse output, hats turning with
// auto-repeat, buttons pressed and released. The input is set between the
// timed ticks, as the back ends' polls fill it in the program. Each tick is
// timed on the steady clock rather than by pausing the benchmark's timers,
// which reads the process's CPU time through a system call.
void runEveryInputChanging(benchmark::State& state, bool afterSystemCall) {
    EngineHarness h;
    h.log.setDebugEnabled(false);
    loadWorstCase(h);
    int t = 0;
    for (; t < 3; ++t) {
        changeEveryInput(h, t);
        h.tick();
    }
    for (auto _ : state) {
        changeEveryInput(h, t++);
        if (afterSystemCall) std::this_thread::yield();
        const auto start = std::chrono::steady_clock::now();
        h.tick();
        benchmark::ClobberMemory();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
    }
}

void BM_ProcessTick_50Joysticks184Slots_EveryInputChanging(benchmark::State& state) {
    runEveryInputChanging(state, false);
}

// The same right after a system call, as the timer thread's tick follows its
// wait: where the kernel empties the TLB on every system call, as with
// page-table isolation on a processor without PCID, the tick finds every
// page of its slots again.
void BM_ProcessTick_50Joysticks184Slots_EveryInputChanging_AfterSystemCall(benchmark::State& state) {
    runEveryInputChanging(state, true);
}

BENCHMARK(BM_ProcessTick_50Joysticks128Buttons)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProcessTick_2Joysticks32Buttons)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProcessTick_50Joysticks128Buttons_EverySlotHeld)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProcessTick_50Joysticks184Slots_EveryInputChanging)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProcessTick_50Joysticks184Slots_EveryInputChanging_AfterSystemCall)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vrx::test
