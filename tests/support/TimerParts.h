#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ConfigFile.h"
#include "Joystick/EngineMutex.h"
#include "Joystick/ForegroundTracking.h"
#include "Joystick/ForegroundWindow.h"
#include "Joystick/Processing.h"
#include "Joystick/ProcessingTimer.h"
#include "Joystick/TimerCallback.h"
#include "Utils/Logger.h"
#include "support/RecordingLogger.h"
#include "Utils/RecordingEventImpl.h"
#include "support/EngineHarness.h"

namespace vrx::test {

// A log that the timer thread and the test thread may write at once.
class SharedLog final : public Logger {
public:
    explicit SharedLog(bool debug = true) { setDebugEnabled(debug); }

    std::vector<std::string> texts(LogLevel level) const {
        std::lock_guard lock(mutex_);
        std::vector<std::string> result;
        for (const auto& [lineLevel, text] : lines_)
            if (lineLevel == level) result.push_back(text);
        return result;
    }
    std::vector<std::string> messages(LogLevel level) const { return withoutSourcePositions(texts(level)); }
    bool contains(LogLevel level, const std::string& text) const {
        for (const auto& line : texts(level))
            if (line == text) return true;
        return false;
    }

protected:
    void writeLine(LogLevel level, std::string_view message) override {
        std::lock_guard lock(mutex_);
        lines_.emplace_back(level, std::string(message));
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::pair<LogLevel, std::string>> lines_;
};

// A one-way signal from one thread to another. std::binary_semaphore would
// do, but the MinGW library's version, which has no futex to rest on, now and
// then missed its wake-up under Wine and hung the test.
class Signal {
public:
    void raise() {
        std::lock_guard lock(mutex_);
        raised_ = true;
        changed_.notify_all();
    }
    void wait() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return raised_; });
    }
    bool waitFor(std::chrono::milliseconds time) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, time, [this] { return raised_; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool raised_ = false;
};

// Controllers that report nothing but let a test step into every poll, which
// is how it sees a tick run; the counts may be read from another thread.
class HookedDevices final : public DevicePoller {
public:
    std::atomic<int> count{1};
    std::atomic<int> polls{0};
    // Set before the timer thread starts; runs inside the tick, under the lock.
    std::function<void()> onPoll;

    int deviceCount() const override { return count; }
    int deviceFor(int joystick) const override { return joystick < count ? joystick : -1; }
    int poll(int, const ProfileSettings&, JoystickSnapshot&) override {
        ++polls;
        if (onPoll) onPoll();
        return kPollOk;
    }
};

// Parts around the engine with nothing to say: no menu, no device change, no
// window in front. Tests override what they look at.
class QuietHooks : public TimerHooks {
public:
    void runVibrationCountdown() override {}
    bool menuOpen() const override { return false; }
    bool redetectRequested() const override { return false; }
    void detectJoysticks() override {}
    WindowHandle mainWindow() const override { return 0; }
    void foregroundChanged(const std::string&, const std::string&) override {}
};

// A desktop where no window ever has the focus.
class EmptyDesktop final : public ForegroundWindowSource, public WindowInfoSource {
public:
    WindowHandle foregroundWindow() const override { return 0; }
    std::string windowTitle(WindowHandle) const override { return {}; }
    std::string executablePath(WindowHandle) const override { return {}; }
};

// An engine over one profile and hooked devices, as the timer drives it.
struct TimerEngine {
    explicit TimerEngine(Logger& log) : engine(EngineLinks{profiles, settings, devices, senders, ui, log}) {
        profiles.profile = &profile;
        engine.ResetShiftTracking(profile);
    }

    EngineSettings settings;
    ConfigFile profile;
    SingleProfile profiles;
    HookedDevices devices;
    RecordingKeySenders senders;
    RecordingUi ui;
    ProcessingEngine engine;
};

// The fastest speed, so that tests wait for ticks as briefly as possible.
constexpr int kTurbo1ms = 4;

// Waits until the condition holds; false when it still does not after a time
// far beyond any period, on a loaded machine or under Wine alike.
template <typename Condition>
bool eventually(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// The real timer, lock and callback over the engine above.
struct TimerFixture {
    explicit TimerFixture(bool debug = true) : log(debug) {}

    SharedLog log;
    TimerEngine e{log};
    EngineMutex lock{log, [] {}};
    EmptyDesktop desktop;
    QuietHooks hooks;
    TimerCallback callback{TimerLinks{e.engine, e.devices, lock, desktop, desktop, hooks, log}};
    ProcessingTimer timer{callback, log};

    bool ticksGoOn() {
        const int start = e.devices.polls;
        return eventually([&] { return e.devices.polls >= start + 3; });
    }
};

}  // namespace vrx::test
