#include <gtest/gtest.h>

#include "support/SlotFixture.h"

namespace vrx::test {
namespace {

using Lines = std::vector<std::string>;
constexpr const char* kADown = "Key vk=41 scan=1E flags=0";
constexpr const char* kAUp = "Key vk=41 scan=1E flags=2";

std::string at(int tick, const char* line) { return std::to_string(tick) + " " + line; }

TEST(AutoRepeat, RateTenGoesDownAtOnceThenTogglesEveryThreeTicks) {
    SlotFixture f;
    keyboard(f.slot(56), {0x41}, 10.0f);
    EXPECT_EQ(f.runFor(56, 1000, 12),
              (Lines{at(1, kADown), at(3, kAUp), at(6, kADown), at(9, kAUp), at(12, kADown)}));
    EXPECT_EQ(f.runFor(56, 0, 2), (Lines{at(1, kAUp)}));
}

TEST(AutoRepeat, NegativeRateIsAPeriodInSeconds) {
    SlotFixture f;
    keyboard(f.slot(56), {0x41}, -2.0f);  // 62.5 ticks, truncated to 62
    const Lines out = f.runFor(56, 1000, 130);
    EXPECT_EQ(out, (Lines{at(1, kADown), at(62, kAUp), at(124, kADown)}));
}

// A rate of zero of either sign holds the key like a plain press; the test
// of the rate reads its bits, where the sign of a zero is one of them.
TEST(AutoRepeat, ZeroOfEitherSignDoesNotRepeat) {
    for (const float zero : {0.0f, -0.0f}) {
        SlotFixture f;
        keyboard(f.slot(56), {0x41}, zero);
        EXPECT_EQ(f.runFor(56, 1000, 100), (Lines{at(1, kADown)})) << zero;
        EXPECT_EQ(f.runFor(56, 0, 2), (Lines{at(1, kAUp)})) << zero;
    }
}

// Most slots hold one key, which takes a shorter way than a list; a key in
// any other place makes a list again, whatever lies between.
TEST(KeyboardSlot, EveryPlaceOfItsFirstFourKeysCounts) {
    SlotFixture f;
    JoyButton& b = keyboard(f.slot(56), {0x41, 0, 0, 0x44});
    f.run(56, 1000);
    f.run(56, 0);
    EXPECT_EQ(f.take(), (Lines{kADown, "Key vk=44 scan=20 flags=0", "Key vk=44 scan=20 flags=2", kAUp}));
    b.keys = {0x41};
    b.prepare();
    f.run(56, 1000);
    f.run(56, 0);
    EXPECT_EQ(f.take(), (Lines{kADown, kAUp}));
}

TEST(AutoRepeat, DelayHoldsTheKeyFirst) {
    SlotFixture f;
    JoyButton& b = keyboard(f.slot(56), {0x41}, 10.0f);
    b.autoRepeatDelay = 500;
    const Lines out = f.runFor(56, 1000, 40);
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(out[0], at(1, kADown));
    // 500 ms are reached 32 ticks after the press (tick 33); repetition then
    // starts with a release.
    EXPECT_EQ(out[1], at(33, kAUp));
}

TEST(Toggle, EachPressSwitchesAndAWindowChangeLetsGo) {
    SlotFixture f;
    JoyButton& b = keyboard(f.slot(56), {0x41});
    b.toggle = 1;
    f.run(56, 1000);
    f.run(56, 0);
    EXPECT_EQ(f.take(), (Lines{kADown}));
    f.run(56, 1000);
    EXPECT_EQ(f.take(), (Lines{kAUp}));
    f.run(56, 0);
    f.run(56, 1000);
    f.run(56, 0);
    EXPECT_EQ(f.take(), (Lines{kADown}));
    f.tick.foregroundChanged = true;
    f.run(56, 0);
    EXPECT_EQ(f.take(), (Lines{kAUp}));
}

TEST(ProfileSwitchSlot, AsksOnReleaseOrAfterItsDelay) {
    SlotFixture f;
    JoyButton& b = f.slot(56);
    b.type = AssignType::ProfileSwitch;
    b.targetName = "Game";
    f.run(56, 1000);
    EXPECT_EQ(f.tick.pendingProfileSwitch, nullptr);
    f.run(56, 0);
    EXPECT_EQ(f.tick.pendingProfileSwitch, &b);
}

TEST(MultiSwitch, CyclesAndStartsOverAfterAPause) {
    SlotFixture f;
    JoyButton& b = multi(f.slot(56), SwitchMode::MultiSwitch3, {0x31, 0x32, 0x33});
    b.counterResetDuration = 1000;
    auto tap = [&] {
        f.run(56, 1000);
        f.run(56, 0);
        auto lines = f.take();
        return lines.empty() ? std::string() : lines.front();
    };
    EXPECT_EQ(tap(), "Key vk=31 scan=02 flags=0");
    f.runFor(56, 0, 30);
    EXPECT_EQ(tap(), "Key vk=32 scan=03 flags=0");
    f.runFor(56, 0, 30);
    EXPECT_EQ(tap(), "Key vk=33 scan=04 flags=0");
    EXPECT_EQ(tap(), "Key vk=31 scan=02 flags=0");
    f.runFor(56, 0, 125);  // 2 s
    EXPECT_EQ(tap(), "Key vk=31 scan=02 flags=0");
}

TEST(DelayedSwitch, ShortPressTapsInputOneLongPressHoldsTwoThenThree) {
    SlotFixture f;
    JoyButton& b = multi(f.slot(56), SwitchMode::DelayedSwitch, {0x31, 0x32, 0x33});
    b.switchDelay = 300;
    // 100 ms press: input 1 goes down on release and stays as long as the
    // press lasted plus the minimum hold (7 ticks for 112 ms).
    f.runFor(56, 1000, 6);
    Lines out = f.runFor(56, 0, 12);
    EXPECT_EQ(out, (Lines{"1 Key vk=31 scan=02 flags=0", "9 Key vk=31 scan=02 flags=2"}));

    // 500 ms press: input 2 at 300 ms, input 3 replacing it on release for 20 ms.
    out = f.runFor(56, 1000, 32);
    EXPECT_EQ(out, (Lines{"20 Key vk=32 scan=03 flags=0"}));
    out = f.runFor(56, 0, 4);
    EXPECT_EQ(out, (Lines{"1 Key vk=32 scan=03 flags=2", "1 Key vk=33 scan=04 flags=0", "3 Key vk=33 scan=04 flags=2"}));
}

TEST(ReleaseSwitch, HoldsInputTwoAndTapsInputOneOnRelease) {
    SlotFixture f;
    multi(f.slot(56), SwitchMode::ReleaseSwitch, {0x31, 0x32});
    EXPECT_EQ(f.runFor(56, 1000, 3), (Lines{"1 Key vk=32 scan=03 flags=0"}));
    EXPECT_EQ(f.runFor(56, 0, 4), (Lines{"1 Key vk=32 scan=03 flags=2", "1 Key vk=31 scan=02 flags=0",
                                        "3 Key vk=31 scan=02 flags=2"}));
}

TEST(RepeatSwitch, TwoQuickTapsChooseInputTwo) {
    SlotFixture f;
    JoyButton& b = multi(f.slot(56), SwitchMode::RepeatSwitch, {0x31, 0x32});
    b.switchDelay = 250;
    f.runFor(56, 0, 40);
    f.runFor(56, 1000, 2);
    f.runFor(56, 0, 3);
    f.runFor(56, 1000, 2);
    const Lines out = f.runFor(56, 0, 40);
    ASSERT_FALSE(out.empty());
    // 250 ms after the second press began: 16 ticks, the 15th released one.
    EXPECT_EQ(out.front(), "15 Key vk=32 scan=03 flags=0");
    EXPECT_EQ(out.back().substr(out.back().find(' ') + 1), "Key vk=32 scan=03 flags=2");
}

TEST(ForceRelease, ADelayedShortPressBecomesATapAndEverythingIsLetGo) {
    SlotFixture f;
    JoyButton& d = multi(f.slot(56), SwitchMode::DelayedSwitch, {0x31, 0x32});
    d.switchDelay = 300;
    f.runFor(56, 1000, 3);
    ForceRelease(d, f.tick);
    EXPECT_EQ(f.take(), (Lines{"Key vk=31 scan=02 flags=0", "Key vk=31 scan=02 flags=2"}));

    JoyButton& k = keyboard(f.slot(57), {0xA0, 0x41});
    f.run(57, 1000);
    k.runtime.toggleState = true;
    k.runtime.forcedState = 2;
    f.take();
    ForceRelease(k, f.tick);
    EXPECT_EQ(f.take(), (Lines{kAUp, "Key vk=A0 scan=2A flags=2"}));
    EXPECT_FALSE(k.runtime.keysDown);
    EXPECT_EQ(k.runtime.forcedState, -1);
    EXPECT_FALSE(k.runtime.toggleState);
    EXPECT_FALSE(f.senders.record.anyKeyDown());
}

TEST(HandOver, AHeldKeyMovesWithoutAReleaseAndIsReleasedByItsNewSlot) {
    SlotFixture f;
    JoystickConfig other(1);
    JoyButton& from = keyboard(f.slot(56), {0x41});
    JoyButton& to = keyboard(other.slot(56), {0x41});
    f.run(56, 1000);
    f.take();
    HandOver(from, to);
    EXPECT_FALSE(from.runtime.keysDown);
    EXPECT_TRUE(to.runtime.keysDown);
    ++f.tick.tickCount;
    Process(to, 0, f.tick);
    EXPECT_EQ(f.take(), (Lines{kAUp}));
}

TEST(AbortRequest, ARepeatingTriggerStopsTheCommandItStarted) {
    SlotFixture f;
    JoyButton& command = f.slot(60);
    command.type = AssignType::Command;
    command.commandSteps = {{{0x41, 0, 0, 0}, {}, 1000}};
    command.prepare();
    keyboard(f.slot(56), {0x804}, 5.0f);
    // The trigger holds slot 60 through its forced state.
    for (int i = 0; i < 3; ++i) {
        f.run(56, 1000);
        --f.tick.tickCount;
        f.run(60, 0);
    }
    EXPECT_EQ(f.take(), (Lines{kADown}));
    f.run(56, 0);
    EXPECT_TRUE(command.runtime.abortRequested);
    f.run(60, 0);
    EXPECT_EQ(f.take(), (Lines{kAUp}));
    EXPECT_EQ(command.runtime.holdCountdown, 0);
}

}  // namespace
}  // namespace vrx::test
