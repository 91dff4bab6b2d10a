#include <windows.h>

#include <gtest/gtest.h>

#include "Utils/PathText.h"
#include "Utils/WindowExePath.h"
#include "Utils/WindowInfo_win.h"
#include "support/RecordingLogger.h"

namespace vrx {
namespace {

using test::RecordingLogger;

std::filesystem::path thisExecutable() {
    wchar_t path[4096];
    const DWORD length = GetModuleFileNameW(nullptr, path, 4096);
    return std::filesystem::path(std::wstring(path, length));
}

// A message-only window: Wine gives those without a display.
class OwnWindow {
public:
    explicit OwnWindow(const wchar_t* title)
        : window_(CreateWindowExW(0, L"STATIC", title, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    OwnWindow(const OwnWindow&) = delete;
    OwnWindow& operator=(const OwnWindow&) = delete;
    ~OwnWindow() {
        if (window_) DestroyWindow(window_);
    }
    WindowHandle handle() const { return reinterpret_cast<WindowHandle>(window_); }

private:
    HWND window_;
};

TEST(SystemWindowInfo, GivesTitleAndExecutableOfAWindow) {
    const OwnWindow window(L"ジョイスティック テスト");
    ASSERT_NE(window.handle(), 0u);
    RecordingLogger log;
    const SystemWindowInfo info(log);
    EXPECT_EQ(info.windowTitle(window.handle()), "ジョイスティック テスト");
    EXPECT_EQ(pathFromUtf8(info.executablePath(window.handle())), thisExecutable());
    EXPECT_TRUE(log.lines.empty());
}

TEST(SystemWindowInfo, NoWindowHasNeitherAndLogsNothing) {
    RecordingLogger log;
    const SystemWindowInfo info(log);
    EXPECT_EQ(info.windowTitle(0), "");
    EXPECT_EQ(info.executablePath(0), "");
    EXPECT_TRUE(log.lines.empty());
}

TEST(WindowExePath, AClosedWindowLogsTwoErrorsWithTheirPlace) {
    WindowHandle closed = 0;
    {
        const OwnWindow window(L"");
        closed = window.handle();
    }
    ASSERT_NE(closed, 0u);
    RecordingLogger log;
    EXPECT_EQ(GetWindowExePath(closed, log), std::filesystem::path());
    ASSERT_EQ(log.lines.size(), 2u);
    EXPECT_EQ(log.lines[0].level, LogLevel::Error);
    EXPECT_TRUE(log.lines[0].text.starts_with("Failed to obtain the target window handle (WindowExePath_win#"))
        << log.lines[0].text;
    EXPECT_NE(log.lines[1].text.find("(WindowExePath_win#"), std::string::npos) << log.lines[1].text;
}

}  // namespace
}  // namespace vrx
