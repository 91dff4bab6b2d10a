#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "Utils/SoundRequests.h"

namespace vrx {

class Logger;

// The Media Control Interface, which opens, plays and closes a sound file
// by command strings ("open \"C:\\ding.wav\" alias sound").
class MciDevice {
public:
    virtual ~MciDevice() = default;
    // 0 when the command succeeded, else MCI's error code.
    virtual unsigned long send(const std::string& command) = 0;
    virtual std::string errorText(unsigned long error) = 0;
};

// The sound thread and its two signals. Play is taken by one wait however
// often it was given; stop stays given. On Windows both waits keep a message
// queue serviced: the sound thread's, since MCI devices may create windows
// on it, and, at shutdown, the caller's for messages other threads send it.
class SoundPlayerThreads {
public:
    enum class Wake { Play, Stop, Failed };
    enum class End { Ended, TimedOut, Failed };

    virtual ~SoundPlayerThreads() = default;
    virtual bool createSignals() = 0;
    virtual bool startThread(std::function<void()> body) = 0;
    virtual void signalPlay() = 0;
    virtual void signalStop() = 0;
    // On the sound thread.
    virtual Wake waitForRequest() = 0;
    // On the thread that started it.
    virtual End waitForEnd(std::chrono::milliseconds deadline) = 0;
    // The system's description of the last failure above.
    virtual std::string lastErrorText() const = 0;
};

std::unique_ptr<SoundPlayerThreads> makeSoundPlayerThreads();

// Plays one sound file at a time on a thread of its own, so that neither
// the user interface nor the timer thread ever waits for audio. A new
// request interrupts the sound playing; requests faster than the thread
// takes them collapse into the last one.
class SoundPlayer final : public SoundRequests {
public:
    static constexpr std::chrono::milliseconds kShutdownDeadline{3000};

    SoundPlayer(std::shared_ptr<MciDevice> mci, Logger& log,
                std::unique_ptr<SoundPlayerThreads> threads = makeSoundPlayerThreads(),
                std::chrono::milliseconds shutdownDeadline = kShutdownDeadline);
    ~SoundPlayer() override;
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Until it succeeds every request is ignored. Starts no thread yet.
    void init();
    // From any thread; returns at once. An empty path stops the sound.
    void play(std::string_view path);
    void PlaySoundFile(const std::string& path) override { play(path); }
    // Stops the thread, waiting at most the deadline; a thread that does
    // not end is left running with everything it uses.
    void shutdown();

private:
    struct State;
    std::shared_ptr<State> state_;
    std::chrono::milliseconds shutdownDeadline_;
};

}  // namespace vrx
