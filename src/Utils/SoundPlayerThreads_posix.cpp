#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "Utils/SoundPlayer.h"

namespace vrx {
namespace {

// The same signals on the standard library, for the portable build and its
// tests; there is no message queue to service.
class PortableSoundThreads final : public SoundPlayerThreads {
public:
    bool createSignals() override { return true; }

    bool startThread(std::function<void()> body) override {
        try {
            // Detached, so that a thread that does not end in time can be
            // left as it is; whoever waits learns of its end from the flag.
            std::thread([this, body = std::move(body)] {
                body();
                const std::lock_guard guard(mutex_);
                ended_ = true;
                changed_.notify_all();
            }).detach();
            return true;
        } catch (const std::system_error& e) {
            const std::lock_guard guard(mutex_);
            lastError_ = e.what();
            return false;
        }
    }

    void signalPlay() override { signal(play_); }
    void signalStop() override { signal(stop_); }

    Wake waitForRequest() override {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return stop_ || play_; });
        if (stop_) return Wake::Stop;
        play_ = false;
        return Wake::Play;
    }

    End waitForEnd(std::chrono::milliseconds deadline) override {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, deadline, [this] { return ended_; }) ? End::Ended : End::TimedOut;
    }

    std::string lastErrorText() const override {
        const std::lock_guard guard(mutex_);
        return lastError_;
    }

private:
    void signal(bool& flag) {
        const std::lock_guard guard(mutex_);
        flag = true;
        changed_.notify_all();
    }

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool play_ = false;
    bool stop_ = false;
    bool ended_ = false;
    std::string lastError_;
};

}  // namespace

std::unique_ptr<SoundPlayerThreads> makeSoundPlayerThreads() { return std::make_unique<PortableSoundThreads>(); }

}  // namespace vrx
