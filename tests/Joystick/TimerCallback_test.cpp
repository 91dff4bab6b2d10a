#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <regex>
#include <thread>

#include "Joystick/EngineMutex.h"
#include "Joystick/TimerCallback.h"
#include "support/TimerParts.h"

namespace vrx::test {
namespace {

using Steps = std::vector<std::string>;

// Every outside call of one callback, in the order it was made.
class JournalLock final : public ProcessingLock {
public:
    explicit JournalLock(Steps& steps) : steps_(steps) {}
    bool busy = false;
    std::function<void()> onTry;

    void enter() override { steps_.push_back("enter"); }
    void leave() override { steps_.push_back("leave"); }
    bool tryEnter() override {
        steps_.push_back("tryEnter");
        if (onTry) onTry();
        return !busy;
    }

private:
    Steps& steps_;
};

class JournalDesktop final : public ForegroundWindowSource, public WindowInfoSource {
public:
    explicit JournalDesktop(Steps& steps) : steps_(steps) {}
    WindowHandle front = 0;
    std::map<WindowHandle, std::pair<std::string, std::string>> windows;

    WindowHandle foregroundWindow() const override {
        steps_.push_back("foreground");
        return front;
    }
    std::string windowTitle(WindowHandle w) const override { return windows.at(w).second; }
    std::string executablePath(WindowHandle w) const override { return windows.at(w).first; }

private:
    Steps& steps_;
};

class JournalHooks final : public TimerHooks {
public:
    explicit JournalHooks(Steps& steps) : steps_(steps) {}
    bool menu = false;
    bool redetect = false;
    WindowHandle main = 0;
    std::function<void()> onDetect;

    void runVibrationCountdown() override { steps_.push_back("vibration"); }
    bool menuOpen() const override { return menu; }
    bool redetectRequested() const override { return redetect; }
    void detectJoysticks() override {
        steps_.push_back("detect");
        if (onDetect) onDetect();
    }
    WindowHandle mainWindow() const override { return main; }
    void foregroundChanged(const std::string& path, const std::string& title) override {
        steps_.push_back("link " + path + " " + title);
    }

private:
    Steps& steps_;
};

struct CallbackFixture {
    Steps steps;
    SharedLog log;
    TimerEngine e{log};
    JournalLock lock{steps};
    JournalDesktop desktop{steps};
    JournalHooks hooks{steps};
    TimerCallback callback{TimerLinks{e.engine, e.devices, lock, desktop, desktop, hooks, log}};

    CallbackFixture() {
        e.devices.onPoll = [this] { steps.push_back("poll"); };
        desktop.windows[0x1234] = {"C:\\Games\\game.exe", "Game"};
        desktop.windows[0x2000] = {"C:\\Vantorix\\Vantorix.exe", "Vantorix"};
    }
    Steps take() { return std::exchange(steps, {}); }
};

TEST(TimerCallback, RunsEachStepInOrderUnderTheLock) {
    CallbackFixture f;
    f.hooks.redetect = true;
    f.desktop.front = 0x1234;

    f.callback();
    EXPECT_EQ(f.take(), (Steps{"vibration", "tryEnter", "detect", "foreground", "link C:\\Games\\game.exe Game",
                               "poll", "leave"}));
    EXPECT_EQ(f.e.engine.tickCount(), 1);
    EXPECT_TRUE(f.e.engine.tickContext().foregroundChanged);

    // The same window again: no second look at its program, no link.
    f.hooks.redetect = false;
    f.callback();
    EXPECT_EQ(f.take(), (Steps{"vibration", "tryEnter", "foreground", "poll", "leave"}));
    EXPECT_EQ(f.e.engine.tickCount(), 2);
    EXPECT_FALSE(f.e.engine.tickContext().foregroundChanged);
}

TEST(TimerCallback, OpenMenuFreezesForegroundAndDetectionButTicksGoOn) {
    CallbackFixture f;
    f.desktop.front = 0x1234;
    f.callback();
    f.take();

    f.hooks.menu = true;
    f.hooks.redetect = true;
    f.desktop.front = 0x2000;
    f.callback();
    EXPECT_EQ(f.take(), (Steps{"vibration", "tryEnter", "poll", "leave"}));
    // Still the value of the last tick that looked.
    EXPECT_TRUE(f.e.engine.tickContext().foregroundChanged);

    f.hooks.menu = false;
    f.callback();
    EXPECT_EQ(f.take(), (Steps{"vibration", "tryEnter", "detect", "foreground",
                               "link C:\\Vantorix\\Vantorix.exe Vantorix", "poll", "leave"}));
}

TEST(TimerCallback, WithoutDevicesTracksTheForegroundButRunsNoTick) {
    CallbackFixture f;
    f.e.devices.count = 0;
    f.desktop.front = 0x1234;
    f.callback();
    EXPECT_EQ(f.take(), (Steps{"vibration", "tryEnter", "foreground", "link C:\\Games\\game.exe Game", "leave"}));
}

TEST(TimerCallback, PausedOrBusyTicksAreCountedAndOnlyRunTheRumbleCountdown) {
    CallbackFixture f;
    f.callback.setDisabled(true);
    f.callback();
    f.callback();
    EXPECT_EQ(f.take(), (Steps{"vibration", "vibration"}));

    f.callback.setDisabled(false);
    f.lock.busy = true;
    f.callback();
    EXPECT_EQ(f.take(), (Steps{"vibration", "tryEnter"}));
    EXPECT_EQ(f.callback.tickCount(), 3);
    EXPECT_EQ(f.e.engine.tickCount(), 0);

    // The engine sees the real count once a tick gets through.
    f.lock.busy = false;
    f.callback();
    EXPECT_EQ(f.e.engine.tickCount(), 4);
    EXPECT_EQ(f.e.devices.polls, 1);
}

// The user interface pauses processing between the callback's first look at
// the flag and its try of the lock: the pause must still hold.
TEST(TimerCallback, PauseThatSlipsInBeforeTheLockStopsTheTick) {
    CallbackFixture f;
    f.lock.onTry = [&f] { f.callback.setDisabled(true); };
    f.callback();
    EXPECT_EQ(f.take(), (Steps{"vibration", "tryEnter", "leave"}));
    EXPECT_EQ(f.e.devices.polls, 0);
    EXPECT_EQ(f.e.engine.tickCount(), 0);
}

TEST(TimerCallback, DropsTicksWhileAnotherThreadHoldsTheEngineLock) {
    CallbackFixture f;
    EngineMutex mutex(f.log, [] {});
    TimerCallback callback{TimerLinks{f.e.engine, f.e.devices, mutex, f.desktop, f.desktop, f.hooks, f.log}};
    Signal held, release;
    std::thread dialog([&] {
        mutex.enter();
        held.raise();
        release.wait();
        mutex.leave();
    });
    held.wait();

    for (int i = 0; i < 6; ++i) callback();
    EXPECT_EQ(f.e.devices.polls, 0);
    EXPECT_EQ(callback.tickCount(), 6);

    release.raise();
    dialog.join();
    callback();
    EXPECT_EQ(f.e.devices.polls, 1);
    EXPECT_EQ(f.e.engine.tickCount(), 7);
}

std::vector<std::string> durationLines(const SharedLog& log) {
    std::vector<std::string> lines;
    for (const auto& line : log.texts(LogLevel::Debug))
        if (line.starts_with("Timer callback ")) lines.push_back(line);
    return lines;
}

TEST(TimerCallback, LogsTicksOfTwoMillisecondsOrMoreWhileDebugIsOn) {
    CallbackFixture f;
    f.hooks.redetect = true;
    f.hooks.onDetect = [] { std::this_thread::sleep_for(std::chrono::milliseconds(3)); };
    f.callback();
    const auto lines = durationLines(f.log);
    ASSERT_EQ(lines.size(), 1u);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(lines[0], m, std::regex(R"(Timer callback 1 took (\d+) ms)"))) << lines[0];
    EXPECT_GE(std::stoi(m[1]), 2);

    f.log.setDebugEnabled(false);
    f.callback();
    EXPECT_EQ(durationLines(f.log).size(), 1u);
}

}  // namespace
}  // namespace vrx::test
