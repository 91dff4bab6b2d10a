#pragma once

namespace vrx {

// The engine counts time in ticks of 16 ms, divided by 2 for every turbo step.
constexpr int msToTicks(int ms, int turboMode) { return (ms << turboMode) / 16; }
constexpr int ticksToMs(int ticks, int turboMode) { return (ticks * 16) >> turboMode; }

// A setting that ignores held input: positive is a time, negative means
// until released once.
constexpr int ignoreTicks(int ms, int turboMode) { return ms < 0 ? -1 : msToTicks(ms, turboMode); }

}  // namespace vrx
