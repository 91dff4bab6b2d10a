#include "Utils/SoundPlayer.h"

#include <mutex>
#include <utility>

#include "Utils/Logger.h"

namespace vrx {

// Shared with the sound thread, which may outlive the player when it does
// not end in time.
struct SoundPlayer::State {
    State(std::shared_ptr<MciDevice> device, Logger& logger, std::unique_ptr<SoundPlayerThreads> signals)
        : mci(std::move(device)), log(logger), threads(std::move(signals)) {}

    std::shared_ptr<MciDevice> mci;
    Logger& log;
    std::unique_ptr<SoundPlayerThreads> threads;
    std::mutex lock;  // guards the three below; never held while MCI works or while waiting
    bool initialised = false;
    bool threadStarted = false;
    std::string pendingPath;

    bool sendLogged(const std::string& command) {
        const unsigned long error = mci->send(command);
        if (error == 0) return true;
        log.errorAt("MCI command failed: " + command + " : " + mci->errorText(error));
        return false;
    }

    void playPending() {
        std::string path;
        {
            const std::lock_guard guard(lock);
            path = std::exchange(pendingPath, {});
        }
        // Closing when nothing is open fails quietly, which is all it should do.
        mci->send("close sound");
        if (!path.empty() && sendLogged("open \"" + path + "\" alias sound")) sendLogged("play sound");
    }

    void run() {
        for (;;) {
            switch (threads->waitForRequest()) {
                case SoundPlayerThreads::Wake::Play:
                    playPending();
                    break;
                case SoundPlayerThreads::Wake::Stop:
                    mci->send("close sound");
                    return;
                case SoundPlayerThreads::Wake::Failed:
                    log.errorAt(threads->lastErrorText());
                    log.errorAt("SoundPlayer: Unexpected wait result");
                    mci->send("close sound");
                    return;
            }
        }
    }
};

SoundPlayer::SoundPlayer(std::shared_ptr<MciDevice> mci, Logger& log, std::unique_ptr<SoundPlayerThreads> threads,
                         std::chrono::milliseconds shutdownDeadline)
    : state_(std::make_shared<State>(std::move(mci), log, std::move(threads))),
      shutdownDeadline_(shutdownDeadline) {}

SoundPlayer::~SoundPlayer() { shutdown(); }

void SoundPlayer::init() {
    State& s = *state_;
    if (s.initialised) return;
    if (!s.threads->createSignals()) {
        s.log.errorAt(s.threads->lastErrorText());
        s.log.errorAt("SoundPlayer: Failed to create events");
        return;
    }
    const std::lock_guard guard(s.lock);
    s.initialised = true;
}

void SoundPlayer::play(std::string_view path) {
    State& s = *state_;
    {
        const std::lock_guard guard(s.lock);
        if (!s.initialised) return;
        if (!s.threadStarted) {
            if (path.empty()) return;  // nothing plays that could be stopped
            s.threadStarted = s.threads->startThread([state = state_] { state->run(); });
            if (!s.threadStarted) {
                s.log.errorAt(s.threads->lastErrorText());
                s.log.errorAt("SoundPlayer: Failed to start the thread");
                return;
            }
        }
        s.pendingPath = path;
    }
    s.threads->signalPlay();
}

void SoundPlayer::shutdown() {
    State& s = *state_;
    {
        const std::lock_guard guard(s.lock);
        if (!s.initialised) return;
        s.initialised = false;
        if (!s.threadStarted) return;
    }
    s.threads->signalStop();
    constexpr const char* kStillRunning = "SoundPlayer: The thread is still running; leaving it as is";
    switch (s.threads->waitForEnd(shutdownDeadline_)) {
        case SoundPlayerThreads::End::Ended:
            break;
        case SoundPlayerThreads::End::TimedOut:
            s.log.errorAt(kStillRunning);
            return;
        case SoundPlayerThreads::End::Failed:
            s.log.errorAt(s.threads->lastErrorText());
            s.log.errorAt(kStillRunning);
            return;
    }
    const std::lock_guard guard(s.lock);
    s.pendingPath.clear();
}

}  // namespace vrx
