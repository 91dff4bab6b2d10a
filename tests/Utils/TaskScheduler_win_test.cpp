#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <regex>
#include <string>

#include "Utils/TaskScheduler.h"
#include "support/RecordingLogger.h"

namespace vrx::test {
namespace {

// After an operation the thread must be free to choose its COM apartment
// again: a model other than the operation's one is refused while COM is
// still initialised.
void expectComLeftAsItWas() {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(result, S_OK);
    if (SUCCEEDED(result)) CoUninitialize();
}

// The one Error line of a failed operation: "Step failed (HRESULT=0x8007xxxx):
// words", for one of the given steps. Where the task service cannot be
// reached (a Wine prefix that has not started it yet) every operation ends
// at the connection.
std::string expectOneComErrorLine(const RecordingLogger& log, const std::string& steps) {
    const std::vector<std::string> errors = log.texts(LogLevel::Error);
    EXPECT_EQ(errors.size(), 1u);
    if (errors.empty()) return {};
    const std::regex line("(" + steps + "|TaskService Connect) failed \\(HRESULT=0x[0-9A-F]{8}\\): .+");
    EXPECT_TRUE(std::regex_match(errors[0], line)) << errors[0];
    return errors[0];
}

bool unreachable(const std::string& error) { return error.starts_with("TaskService Connect failed"); }

TEST(TaskScheduler, DeletingATaskThatIsNotThereFailsWithTheSchedulersCode) {
    RecordingLogger log;
    EXPECT_FALSE(DeleteAutoStartTask(log));
    const std::string error = expectOneComErrorLine(log, "DeleteTask");
    expectComLeftAsItWas();
    if (unreachable(error)) return;
    RecordingLogger quiet;
    EXPECT_FALSE(AutoStartTaskExists(quiet));
    EXPECT_TRUE(quiet.lines.empty());
}

// Registering needs administrator rights (the task runs with the highest
// ones); without them the scheduler refuses and the refusal is logged.
// Wine 8 has no logon triggers and refuses to create one.
TEST(TaskScheduler, CreatingTwiceLeavesOneTaskOrReportsTheRefusal) {
    RecordingLogger log;
    const bool created = CreateAutoStartTask(log);
    expectComLeftAsItWas();
    if (!created) {
        if (unreachable(expectOneComErrorLine(log, "RegisterTaskDefinition|Create trigger"))) return;
        EXPECT_FALSE(AutoStartTaskExists(log));
        return;
    }
    // The second call meets the security its first call set.
    EXPECT_TRUE(CreateAutoStartTask(log));
    EXPECT_TRUE(AutoStartTaskExists(log));
    EXPECT_TRUE(DeleteAutoStartTask(log));
    EXPECT_FALSE(AutoStartTaskExists(log));
    EXPECT_TRUE(log.lines.empty());
    expectComLeftAsItWas();
}

}  // namespace
}  // namespace vrx::test
