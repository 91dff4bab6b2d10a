#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "support/TimerParts.h"

namespace vrx::test {
namespace {

using namespace std::chrono_literals;

TEST(ProcessingTimer, StartsAtTheTurboPeriodTicksAndStops) {
    TimerFixture f;
    f.timer.TimerInit(3);
    ASSERT_TRUE(f.timer.running());
    EXPECT_TRUE(f.ticksGoOn());
    f.timer.TimerTerminate();

    EXPECT_EQ(f.log.messages(LogLevel::Info),
              (std::vector<std::string>{"TimerInit: Initializing timer at 2 msec (with x8 speed mode)",
                                        "TimerInit: Timer initialized", "TimerTerminate: Terminating timer...",
                                        "TimerTerminate: Timer terminated"}));
    // The timer's lines say where they were written.
    for (const std::string& text : f.log.texts(LogLevel::Info))
        EXPECT_TRUE(text.ends_with(")") && text.find(" (ProcessingTimer#") != std::string::npos) << text;
    EXPECT_FALSE(f.timer.running());
    EXPECT_TRUE(f.callback.disabled());
    const int ticks = f.callback.tickCount();
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(f.callback.tickCount(), ticks);
}

TEST(ProcessingTimer, SecondInitRestartsTheThread) {
    TimerFixture f;
    f.timer.TimerInit(kTurbo1ms);
    f.timer.TimerInit(kTurbo1ms);
    EXPECT_TRUE(f.ticksGoOn());
    f.timer.TimerTerminate();

    const auto info = f.log.messages(LogLevel::Info);
    ASSERT_GE(info.size(), 6u);
    EXPECT_EQ(info[2], "TimerInit: Timer is already running - terminating it first");
    EXPECT_EQ(info[3], "TimerTerminate: Terminating timer...");
    EXPECT_EQ(info[4], "TimerTerminate: Timer terminated");
    EXPECT_EQ(info[5], "TimerInit: Initializing timer at 1 msec (with x16 speed mode)");
}

TEST(ProcessingTimer, DisableWaitsForTheRunningTickAndStopsTheRest) {
    TimerFixture f;
    Signal inTick, finishTick;
    std::atomic<bool> first{true}, tickLeft{false};
    f.e.devices.onPoll = [&] {
        if (!first.exchange(false)) return;
        inTick.raise();
        finishTick.wait();
        tickLeft = true;
    };
    f.timer.TimerInit(kTurbo1ms);
    inTick.wait();

    auto disabling = std::async(std::launch::async, [&] { f.timer.TimerDisable(); });
    // However long it is given, the pause cannot end while the tick holds the lock.
    EXPECT_EQ(disabling.wait_for(100ms), std::future_status::timeout);
    finishTick.raise();
    disabling.get();
    EXPECT_TRUE(tickLeft);

    const int polls = f.e.devices.polls;
    const int counted = f.callback.tickCount();
    EXPECT_TRUE(eventually([&] { return f.callback.tickCount() >= counted + 3; }));
    EXPECT_EQ(f.e.devices.polls, polls);
    EXPECT_TRUE(f.log.contains(LogLevel::Debug, "TimerDisable: Timer is disabled"));

    f.timer.TimerEnable();
    EXPECT_TRUE(f.ticksGoOn());
    f.timer.TimerTerminate();
}

TEST(ProcessingTimer, TerminateWaitsForATickThatTakesLongAndSaysSo) {
    TimerFixture f;
    Signal inTick;
    std::atomic<bool> first{true}, tickLeft{false};
    f.e.devices.onPoll = [&] {
        if (!first.exchange(false)) return;
        inTick.raise();
        std::this_thread::sleep_for(1200ms);
        tickLeft = true;
    };
    f.timer.TimerInit(kTurbo1ms);
    inTick.wait();

    f.timer.TimerTerminate();
    EXPECT_TRUE(tickLeft);
    EXPECT_EQ(f.log.messages(LogLevel::Error),
              std::vector<std::string>{"TimerTerminate: Timer thread is still running; waiting before cleanup"});
}

// The preference dialog, sleep and resume restart the timer many times in a
// long session; each start must give back all it took.
TEST(ProcessingTimer, TenThousandStartsAndStopsStayQuickAndClean) {
    TimerFixture f(false);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 10000; ++i) {
        f.timer.TimerInit(kTurbo1ms);
        f.timer.TimerTerminate();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 60s);
    EXPECT_EQ(f.log.texts(LogLevel::Info).size(), 40000u);
    EXPECT_TRUE(f.log.texts(LogLevel::Error).empty());
}

}  // namespace
}  // namespace vrx::test
