#include <gtest/gtest.h>

#include <map>

#include "Joystick/ForegroundTracking.h"
#include "support/RecordingLogger.h"

namespace vrx::test {
namespace {

class FakeWindows final : public WindowInfoSource {
public:
    std::map<WindowHandle, std::pair<std::string, std::string>> windows;
    std::string windowTitle(WindowHandle w) const override { return windows.at(w).second; }
    std::string executablePath(WindowHandle w) const override { return windows.at(w).first; }
};

TEST(ForegroundTracker, ReportsChangesAndRecognisesTheProgramsOwnWindows) {
    FakeWindows info;
    info.windows[0x1234] = {"C:\\Games\\game.exe", "ゲーム"};
    info.windows[0x2000] = {"C:\\Tools\\Vantorix\\vantorix.EXE", "ボタン設定"};
    info.windows[0x3000] = {"C:\\other.exe", ""};
    RecordingLogger log;
    ForegroundTracker t;

    EXPECT_FALSE(t.track(0, 0x3000, info, log));
    EXPECT_TRUE(t.track(0x1234, 0x3000, info, log));
    EXPECT_TRUE(log.contains(LogLevel::Debug,
                             "Target window changed [HWND=0x001234, Path='C:\\Games\\game.exe', Title='ゲーム']"));
    EXPECT_FALSE(t.ownWindow());
    EXPECT_FALSE(t.track(0x1234, 0x3000, info, log));
    EXPECT_FALSE(t.changed());

    EXPECT_TRUE(t.track(0x2000, 0x3000, info, log));
    EXPECT_TRUE(t.ownWindow());  // a dialog of the program, whatever its title
    EXPECT_TRUE(t.track(0x3000, 0x3000, info, log));
    EXPECT_TRUE(t.ownWindow());  // the main window
}

}  // namespace
}  // namespace vrx::test
