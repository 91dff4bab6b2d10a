#include <gtest/gtest.h>

#include "support/SlotFixture.h"

namespace vrx::test {
namespace {

using Lines = std::vector<std::string>;

JoyButton& command(JoyButton& b, std::vector<CommandStep> steps) {
    b.type = AssignType::Command;
    b.commandSteps = std::move(steps);
    b.prepare();
    return b;
}

TEST(Command, StepsFollowEachOtherAndSharedKeysStayDown) {
    SlotFixture f;
    command(f.slot(56), {{{0x41, 0, 0, 0}, {}, 100}, {{0x41, 0x42, 0, 0}, {}, 50}});
    f.run(56, 1000);
    EXPECT_EQ(f.take(), (Lines{"Key vk=41 scan=1E flags=0"}));
    // Let go at once: the command still runs to its end. B joins 7 ticks
    // after the press (100 ms is 6 ticks, plus one), and 4 ticks later both go.
    const Lines out = f.runFor(56, 0, 14);
    EXPECT_EQ(f.log.contains(LogLevel::Debug, "0#button[56]: Command: completed"), true);
    EXPECT_EQ(out, (Lines{"7 Key vk=42 scan=30 flags=0", "11 Key vk=42 scan=30 flags=2",
                          "11 Key vk=41 scan=1E flags=2"}));
}

TEST(Command, RepeatingEveryKeyReleasesSharedKeysBetweenSteps) {
    SlotFixture f;
    f.tick.repeatSameKeyInSequence = true;
    command(f.slot(56), {{{0x41, 0, 0, 0}, {}, 100}, {{0x41, 0x42, 0, 0}, {}, 50}});
    f.run(56, 1000);
    f.take();
    const Lines out = f.runFor(56, 0, 7);
    EXPECT_EQ(out, (Lines{"7 Key vk=41 scan=1E flags=2", "7 Key vk=41 scan=1E flags=0",
                          "7 Key vk=42 scan=30 flags=0"}));
}

TEST(Command, APressWhileRunningRestarts) {
    SlotFixture f;
    command(f.slot(56), {{{0x41, 0, 0, 0}, {}, 16}, {{0x42, 0, 0, 0}, {}, 500}});
    f.run(56, 1000);
    f.runFor(56, 0, 3);
    f.take();
    f.run(56, 1000);
    EXPECT_TRUE(f.log.contains(LogLevel::Debug, "0#button[56]: Command: restart at step[2]"));
    EXPECT_EQ(f.take(), (Lines{"Key vk=42 scan=30 flags=2", "Key vk=41 scan=1E flags=0"}));
}

TEST(MultiSequence, EveryInputPlaysForTheMinimumHoldEmptyOnesToo) {
    SlotFixture f;
    JoyButton& b = f.slot(56);
    b.type = AssignType::KeyboardMulti;
    b.switchMode = SwitchMode::MultiSequence;
    b.keys[0] = 0x31;
    b.keys[8] = 0x33;
    b.prepare();
    f.run(56, 1000);
    EXPECT_EQ(f.take(), (Lines{"Key vk=31 scan=02 flags=0"}));
    EXPECT_EQ(f.runFor(56, 0, 8),
              (Lines{"2 Key vk=31 scan=02 flags=2", "4 Key vk=33 scan=04 flags=0", "6 Key vk=33 scan=04 flags=2"}));
    EXPECT_EQ(b.runtime.inputIndex, 4);
    EXPECT_EQ(b.runtime.holdCountdown, 0);
}

TEST(MultiSequence, ForceReleaseStopsIt) {
    SlotFixture f;
    JoyButton& b = f.slot(56);
    b.type = AssignType::KeyboardMulti;
    b.switchMode = SwitchMode::MultiSequence;
    b.keys[0] = 0x31;
    b.prepare();
    f.run(56, 1000);
    ForceRelease(b, f.tick);
    EXPECT_EQ(f.take(), (Lines{"Key vk=31 scan=02 flags=0", "Key vk=31 scan=02 flags=2"}));
    EXPECT_TRUE(f.log.contains(LogLevel::Debug, "0#button[56]: force release sequence at Input[1]"));
}

TEST(Command, AShortenedListRestartsCleanly) {
    SlotFixture f;
    JoyButton& b = command(f.slot(56), {{{0x41, 0, 0, 0}, {}, 100}, {{0x42, 0, 0, 0}, {}, 100}});
    f.run(56, 1000);
    f.runFor(56, 0, 8);
    b.commandSteps.resize(1);
    f.runFor(56, 0, 3);
    EXPECT_EQ(b.runtime.holdCountdown, 0);
}

}  // namespace
}  // namespace vrx::test
