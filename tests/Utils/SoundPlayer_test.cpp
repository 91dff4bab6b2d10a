#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "Utils/SoundPlayer.h"
#include "support/RecordingLogger.h"

namespace vrx::test {
namespace {

using namespace std::chrono_literals;

// Records the commands the sound thread sends. One command can be made to
// hold the thread until the test lets it go, so that the test knows exactly
// where the thread stands when it makes its next request.
class FakeMci final : public MciDevice {
public:
    std::string holdOn;
    std::set<std::string> failing;

    unsigned long send(const std::string& command) override {
        std::unique_lock lock(mutex_);
        commands_.push_back(command);
        changed_.notify_all();
        if (command == holdOn && !released_) {
            held_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return released_; });
        }
        return failing.count(command) ? 275 : 0;
    }
    std::string errorText(unsigned long error) override { return "error " + std::to_string(error); }

    void waitUntilHeld() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return held_; });
    }
    void release() {
        const std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }
    void waitForCommands(size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return commands_.size() >= count; });
    }
    std::vector<std::string> commands() {
        const std::lock_guard lock(mutex_);
        return commands_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> commands_;
    bool held_ = false;
    bool released_ = false;
};

// The platform's threads, with creation failing where a test says so.
class RefusingThreads final : public SoundPlayerThreads {
public:
    bool refuseSignals = false;
    bool refuseThread = false;

    bool createSignals() override { return !refuseSignals && real_->createSignals(); }
    bool startThread(std::function<void()> body) override {
        return !refuseThread && real_->startThread(std::move(body));
    }
    void signalPlay() override { real_->signalPlay(); }
    void signalStop() override { real_->signalStop(); }
    Wake waitForRequest() override { return real_->waitForRequest(); }
    End waitForEnd(std::chrono::milliseconds deadline) override { return real_->waitForEnd(deadline); }
    std::string lastErrorText() const override { return "refused"; }

private:
    std::unique_ptr<SoundPlayerThreads> real_ = makeSoundPlayerThreads();
};

struct PlayerFixture {
    std::shared_ptr<FakeMci> mci = std::make_shared<FakeMci>();
    RecordingLogger log;
    SoundPlayer player;

    explicit PlayerFixture(std::chrono::milliseconds deadline = SoundPlayer::kShutdownDeadline,
                           std::unique_ptr<SoundPlayerThreads> threads = makeSoundPlayerThreads())
        : player(mci, log, std::move(threads), deadline) {
        player.init();
    }
    std::vector<std::string> errors() const { return log.texts(LogLevel::Error); }
};

const std::string kOpenDing = "open \"C:\\My Sounds\\ding.wav\" alias sound";

TEST(SoundPlayer, PlaysThePathInQuotesAndAnEmptyPathOnlyStops) {
    PlayerFixture f;
    f.player.play("");  // nothing plays yet: no thread, no command
    f.player.play("C:\\My Sounds\\ding.wav");
    f.mci->waitForCommands(3);
    f.player.play("");
    f.mci->waitForCommands(4);
    f.player.shutdown();
    const std::vector<std::string> expected = {"close sound", kOpenDing, "play sound", "close sound", "close sound"};
    EXPECT_EQ(f.mci->commands(), expected);
    EXPECT_TRUE(f.log.lines.empty());
}

TEST(SoundPlayer, AnEmptyPathBeforeAnySoundStartsNoThread) {
    PlayerFixture f;
    f.player.play("");
    f.player.shutdown();  // a thread would close the device on its way out
    EXPECT_TRUE(f.mci->commands().empty());
}

TEST(SoundPlayer, RequestsWhileTheThreadIsBusyCollapseIntoTheLast) {
    PlayerFixture f;
    f.mci->holdOn = "play sound";
    f.player.play("a.wav");
    f.mci->waitUntilHeld();
    f.player.play("b.wav");
    f.player.play("c.mp3");
    f.mci->release();
    f.mci->waitForCommands(6);
    f.player.shutdown();
    const std::vector<std::string> expected = {"close sound", "open \"a.wav\" alias sound", "play sound",
                                               "close sound", "open \"c.mp3\" alias sound", "play sound",
                                               "close sound"};
    EXPECT_EQ(f.mci->commands(), expected);
}

TEST(SoundPlayer, AFailedOpenIsLoggedAndSkipsPlay) {
    PlayerFixture f;
    f.mci->failing = {"open \"gone.wav\" alias sound", "close sound"};
    f.player.play("gone.wav");
    f.mci->waitForCommands(2);
    f.player.shutdown();
    const std::vector<std::string> expected = {"close sound", "open \"gone.wav\" alias sound", "close sound"};
    EXPECT_EQ(f.mci->commands(), expected);
    // Closing is always allowed to fail: only the open is reported.
    ASSERT_EQ(f.errors().size(), 1u);
    EXPECT_TRUE(f.errors()[0].starts_with("MCI command failed: open \"gone.wav\" alias sound : error 275 ("))
        << f.errors()[0];
}

TEST(SoundPlayer, AThreadThatDoesNotEndInTimeIsLeftRunning) {
    PlayerFixture f(20ms);
    f.mci->holdOn = kOpenDing;
    f.player.play("C:\\My Sounds\\ding.wav");
    f.mci->waitUntilHeld();
    f.player.shutdown();
    ASSERT_EQ(f.errors().size(), 1u);
    EXPECT_TRUE(f.errors()[0].starts_with("SoundPlayer: The thread is still running; leaving it as is ("));

    f.player.play("late.wav");  // ignored once shut down
    f.mci->release();
    // The thread finishes what it was doing, sees the stop and closes.
    f.mci->waitForCommands(4);
    const std::vector<std::string> expected = {"close sound", kOpenDing, "play sound", "close sound"};
    EXPECT_EQ(f.mci->commands(), expected);
}

TEST(SoundPlayer, WithoutSignalsOrThreadNothingPlays) {
    auto noSignals = std::make_unique<RefusingThreads>();
    noSignals->refuseSignals = true;
    PlayerFixture f(SoundPlayer::kShutdownDeadline, std::move(noSignals));
    ASSERT_EQ(f.errors().size(), 2u);
    EXPECT_TRUE(f.errors()[0].starts_with("refused ("));
    EXPECT_TRUE(f.errors()[1].starts_with("SoundPlayer: Failed to create events ("));
    f.player.play("a.wav");
    f.player.shutdown();
    EXPECT_EQ(f.log.lines.size(), 2u);

    auto noThread = std::make_unique<RefusingThreads>();
    noThread->refuseThread = true;
    PlayerFixture g(SoundPlayer::kShutdownDeadline, std::move(noThread));
    g.player.play("a.wav");
    ASSERT_EQ(g.errors().size(), 2u);
    EXPECT_TRUE(g.errors()[1].starts_with("SoundPlayer: Failed to start the thread ("));
    g.player.shutdown();
    EXPECT_TRUE(g.mci->commands().empty());
}

}  // namespace
}  // namespace vrx::test
