#include <windows.h>

#include <gtest/gtest.h>

#include "Utils/FileLogger.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

// A user opens the log in an editor, or deletes it, while the program runs.
TEST(FileLoggerOnWindows, TheOpenLogCanBeReadAndDeleted) {
    TempFolder folder;
    const auto path = folder / "Vantorix.log";
    FileLogger log;
    ASSERT_TRUE(log.open(path));
    log.info("line");

    const HANDLE reader = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(reader, INVALID_HANDLE_VALUE) << GetLastError();
    if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);

    EXPECT_TRUE(DeleteFileW(path.c_str())) << GetLastError();
    log.info("written after the file was deleted");
    log.close();
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace vrx::test
