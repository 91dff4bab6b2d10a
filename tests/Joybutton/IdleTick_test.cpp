#include <gtest/gtest.h>

#include <random>

#include "support/SlotFixture.h"

namespace vrx::test {
namespace {

// The tick leaves out a slot whenever IdleTick says so; that is only right
// if running the slot would have changed nothing. Slots of every kind, in
// states near and far from idle, are run whenever IdleTick calls them idle.
constexpr KeyCode kKeyPool[] = {0,        0x41,      0x42, key::CursorRight + 5, key::WheelUp + 3,
                                0x1E0000, key::MouseLeft, triggerKey(3), key::KanjiToggle};

template <typename T>
T pick(std::mt19937& rng, std::initializer_list<T> values) {
    std::uniform_int_distribution<size_t> i(0, values.size() - 1);
    return values.begin()[i(rng)];
}

// Most samples are one field away from idle at most, where mistakes hide.
void randomSlot(JoyButton& b, std::mt19937& rng) {
    std::uniform_int_distribution<size_t> key(0, std::size(kKeyPool) - 1);
    b.type = pick(rng, {AssignType::None, AssignType::Keyboard, AssignType::Keyboard, AssignType::Keyboard,
                        AssignType::Mouse, AssignType::MouseAbsolute, AssignType::Command, AssignType::JoystickShift,
                        AssignType::ProfileSwitch, AssignType::KeyboardMulti, AssignType::LaunchProgram});
    b.switchMode = static_cast<SwitchMode>(std::uniform_int_distribution<int>(1, 8)(rng));
    b.toggle = pick(rng, {0, 0, 0, 1});
    b.autoRepeatRate = pick(rng, {0.0f, 0.0f, 0.0f, 5.0f, -2.0f});
    b.switchDelay = pick(rng, {0, 0, 100});
    b.mouseMoveX = pick(rng, {0, 20});
    b.mouseLeft = pick(rng, {0, 1});
    for (KeyCode& k : b.keys) k = pick(rng, {KeyCode{0}, kKeyPool[key(rng)], kKeyPool[key(rng)]});
    if (pick(rng, {false, true})) b.commandSteps.push_back({{0x41, key::CursorUp + 2, 0, 0}, {}, 50});
    b.prepare();

    JoyButtonRuntime& r = b.runtime;
    r.slotPressed = pick(rng, {false, true});
    r.keysDown = pick(rng, {false, true});
    r.heldKeys = r.keysDown ? inputKeys(0) : HeldKeys{};
    r.slotPressTick = pick(rng, {0, 5});
    switch (std::uniform_int_distribution<int>(0, 15)(rng)) {
        case 0: r.toggleState = true; break;
        case 1: r.togglePrev = true; break;
        case 2: r.abortRequested = true; break;
        case 3: r.ignoreCounter = pick(rng, {-1, 3}); break;
        case 4: r.forcedState = pick(rng, {0, 2}); break;
        case 5: r.repeatCountdown = 2; break;
        case 6: r.inputIndex = pick(rng, {1, 3}); break;
        case 7: r.holdCountdown = pick(rng, {1, 4}); break;
        default: break;
    }
}

TEST(IdleTick, AnIdleSlotChangesNothingWhenRun) {
    std::mt19937 rng(7);
    int idle = 0;
    constexpr int kSamples = 20000;
    constexpr SlotIndex kSlot = kFirstButtonSlot + 2;
    for (int sample = 0; sample < kSamples; ++sample) {
        JoyButton drawn;
        randomSlot(drawn, rng);
        const int value = pick(rng, {-5, 0, 1, 500, 1000});
        if (!IdleTick(drawn, value)) continue;
        ++idle;
        SlotFixture f;
        JoyButton& b = f.slot(kSlot);
        b.copyFrom(drawn);
        b.runtime = drawn.runtime;
        f.tick.tickCount = 40;
        f.tick.foregroundChanged = pick(rng, {false, true});
        std::array<JoyButtonRuntime, kSlotCount> before;
        for (int i = 0; i < kSlotCount; ++i) before[i] = f.slot(i).runtime;
        const KeyRefCounts counts = f.counts;

        // As the tick runs a slot: the filter always, the assignment unless there is none.
        const int filtered = ToggleFilter(b, value, f.tick);
        if (b.type != AssignType::None) Process(b, filtered, f.tick);

        SCOPED_TRACE(testing::Message() << "sample " << sample << ", type " << static_cast<int>(b.type)
                                        << ", value " << value);
        EXPECT_TRUE(f.events().empty());
        EXPECT_TRUE(f.log.lines.empty());
        EXPECT_EQ(f.counts, counts);
        EXPECT_EQ(f.tick.pendingProfileSwitch, nullptr);
        for (int i = 0; i < kSlotCount; ++i) ASSERT_EQ(f.slot(i).runtime, before[i]) << "slot " << i;
        if (HasFailure()) return;
    }
    // Enough of the samples must be idle for this to say anything.
    EXPECT_GT(idle, kSamples / 10);
}

}  // namespace
}  // namespace vrx::test
