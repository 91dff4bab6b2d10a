#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Joystick/EngineMutex.h"
#include "support/TimerParts.h"

namespace vrx::test {
namespace {

bool tryFromAnotherThread(EngineMutex& mutex) {
    bool taken = false;
    std::thread([&] {
        taken = mutex.tryEnter();
        if (taken) mutex.leave();
    }).join();
    return taken;
}

TEST(EngineMutex, IsReentrantForItsOwnerAndClosedToOthers) {
    SharedLog log;
    EngineMutex mutex(log, [] {});
    mutex.enter();
    ASSERT_TRUE(mutex.tryEnter());
    EXPECT_FALSE(tryFromAnotherThread(mutex));
    mutex.leave();
    EXPECT_FALSE(tryFromAnotherThread(mutex));
    mutex.leave();
    EXPECT_TRUE(tryFromAnotherThread(mutex));
}

// The holder gives the lock back only after the waiting side has handled its
// messages twice: a wait that did not pump would never get the lock.
TEST(EngineMutex, UserInterfaceSideKeepsHandlingMessagesWhileItWaits) {
    SharedLog log;
    std::atomic<int> pumped{0};
    Signal held, release;
    EngineMutex mutex(log, [&] {
        if (++pumped == 2) release.raise();
    });
    std::thread tick([&] {
        mutex.enter();
        held.raise();
        release.wait();
        mutex.leave();
    });
    held.wait();

    mutex.enter();
    tick.join();
    EXPECT_GE(pumped, 2);
    EXPECT_TRUE(log.contains(LogLevel::Debug, "SafeEnterCriticalSection: retrying..."));
    EXPECT_FALSE(tryFromAnotherThread(mutex));
    mutex.leave();
}

}  // namespace
}  // namespace vrx::test
