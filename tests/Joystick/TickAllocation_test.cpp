#include <gtest/gtest.h>

#include "support/AllocationCounter.h"
#include "support/FullLoad.h"

namespace vrx::test {
namespace {

TEST(TickAllocation, SteadyTicksAllocateNothing) {
    EngineHarness h;
    h.log.setDebugEnabled(false);
    loadEverything(h, kMaxJoysticks, kButtonCount);
    h.tick(3);  // past the first tick's profile rule and the rising edges

    AllocationCounter counter;
    h.tick(1000);
    EXPECT_EQ(counter.count(), 0u);
}

TEST(TickAllocation, PressAndReleaseAllocateNothing) {
    EngineHarness h;
    h.log.setDebugEnabled(false);
    loadEverything(h, 2, 32);
    h.tick();

    AllocationCounter counter;
    for (int i = 0; i < 500; ++i) {
        for (auto& device : h.devices.devices) device.state.buttons.fill(i % 2 == 0);
        h.tick();
    }
    EXPECT_EQ(counter.count(), 0u);
}

// The worst case: no joystick is ever idle, every one moves the mouse in
// every tick and keys go down and up, and still nothing is allocated.
TEST(TickAllocation, TicksWhereEveryInputChangesAllocateNothing) {
    EngineHarness h;
    h.log.setDebugEnabled(false);
    loadWorstCase(h);
    h.senders.record.keepLines = true;
    int t = 0;
    for (; t < 8; ++t) {
        changeEveryInput(h, t);
        h.events().clear();
        h.tick();
        int moves = 0, keys = 0;
        for (const std::string& line : h.events()) {
            moves += line.starts_with("MouseMoveRelative");
            keys += line.starts_with("Key");
        }
        EXPECT_GE(moves, kMaxJoysticks) << t;
        EXPECT_GT(keys, 0) << t;
    }

    h.senders.record.keepLines = false;
    AllocationCounter counter;
    for (; t < 100; ++t) {
        changeEveryInput(h, t);
        h.tick();
    }
    EXPECT_EQ(counter.count(), 0u);
}

}  // namespace
}  // namespace vrx::test
