#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "Joystick/TimerThread.h"
#include "Utils/Logger.h"

namespace vrx {
namespace {

using Clock = std::chrono::steady_clock;

// A portable periodic timer: wake-ups on a fixed schedule, and like a
// periodic system timer, periods missed during a long callback collapse into
// one wake-up instead of arriving in a burst.
class PortableTimerThread final : public TimerThread {
public:
    PortableTimerThread(int periodMs, std::function<void()> onTick, Logger& log)
        : period_(periodMs), onTick_(std::move(onTick)), log_(log) {}

    ~PortableTimerThread() override {
        requestExit();
        waitForExit();
    }

    void start() { thread_ = std::thread([this] { run(); }); }

    void requestExit() override {
        std::lock_guard lock(mutex_);
        exitRequested_ = true;
        changed_.notify_all();
    }

    void waitForExit() override {
        if (!thread_.joinable()) return;
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, std::chrono::milliseconds(1000), [this] { return ended_; })) {
            log_.errorAt("TimerTerminate: Timer thread is still running; waiting before cleanup");
            changed_.wait(lock, [this] { return ended_; });
        }
        lock.unlock();
        thread_.join();
    }

private:
    void run() {
        auto due = Clock::now() + period_;
        std::unique_lock lock(mutex_);
        while (!changed_.wait_until(lock, due, [this] { return exitRequested_; })) {
            lock.unlock();
            onTick_();
            const auto now = Clock::now();
            do due += period_;
            while (due <= now);
            lock.lock();
        }
        ended_ = true;
        changed_.notify_all();
    }

    const std::chrono::milliseconds period_;
    std::function<void()> onTick_;
    Logger& log_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool exitRequested_ = false;
    bool ended_ = false;
    std::thread thread_;
};

}  // namespace

std::unique_ptr<TimerThread> startTimerThread(int periodMs, std::function<void()> onTick, Logger& log) {
    auto thread = std::make_unique<PortableTimerThread>(periodMs, std::move(onTick), log);
    try {
        thread->start();
    } catch (const std::system_error& e) {
        log.errorAt(e.what());
        log.errorAt("TimerInit: Failed to create timer thread");
        return nullptr;
    }
    return thread;
}

}  // namespace vrx
