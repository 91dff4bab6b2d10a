#include "Utils/WindowExePath.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include "support/RecordingLogger.h"

namespace vrx {
namespace {

using test::RecordingLogger;

TEST(WindowExePath, NoWindowIsNoPathAndNoLogLine) {
    RecordingLogger log;
    EXPECT_EQ(GetWindowExePath(0, log), std::filesystem::path());
    EXPECT_TRUE(log.lines.empty());
}

TEST(WindowExePath, AProcessGivesItsExecutable) {
    RecordingLogger log;
    EXPECT_EQ(GetWindowExePath(static_cast<uintptr_t>(getpid()), log),
              std::filesystem::read_symlink("/proc/self/exe"));
    EXPECT_TRUE(log.lines.empty());
}

TEST(WindowExePath, AProcessThatIsGoneLogsTwoErrorsWithTheirPlace) {
    RecordingLogger log;
    // Beyond the largest process id Linux hands out (2^22).
    EXPECT_EQ(GetWindowExePath(uintptr_t{1} << 30, log), std::filesystem::path());
    ASSERT_EQ(log.texts(LogLevel::Error).size(), 2u);
    EXPECT_TRUE(log.lines[0].text.starts_with("Failed to obtain the target window handle (WindowExePath_posix#"))
        << log.lines[0].text;
    EXPECT_NE(log.lines[1].text.find("(WindowExePath_posix#"), std::string::npos) << log.lines[1].text;
}

}  // namespace
}  // namespace vrx
