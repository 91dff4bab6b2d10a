#include <gtest/gtest.h>

#include <atomic>
#include <semaphore>
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
    std::binary_semaphore held(0), release(0);
    EngineMutex mutex(log, [&] {
        if (++pumped == 2) release.release();
    });
    std::thread tick([&] {
        mutex.enter();
        held.release();
        release.acquire();
        mutex.leave();
    });
    held.acquire();

    mutex.enter();
    tick.join();
    EXPECT_GE(pumped, 2);
    EXPECT_TRUE(log.contains(LogLevel::Debug, "SafeEnterCriticalSection: retrying..."));
    EXPECT_FALSE(tryFromAnotherThread(mutex));
    mutex.leave();
}

}  // namespace
}  // namespace vrx::test
