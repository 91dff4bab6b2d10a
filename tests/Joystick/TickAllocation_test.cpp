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

}  // namespace
}  // namespace vrx::test
