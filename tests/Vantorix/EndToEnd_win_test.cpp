#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "AppInfo/WindowMessages.h"
#include "Utils/WideText_win.h"
#include "support/ProgramInstance_win.h"
#include "support/TempFolder.h"

// Vantorix.exe itself, started as a user would, in a data directory of its
// own, and talked to as other programs do. It opens windows, so under Wine
// it needs the X display that scripts/test.sh provides.

namespace vrx::test {
namespace {

// The program the build made, started as a user would.
class Instance : public ProgramInstance {
public:
    explicit Instance(const std::wstring& arguments) : ProgramInstance(windowsPath(VANTORIX_EXE), arguments) {}
};

HWND mainWindow() { return FindWindowW(L"TMainForm", nullptr); }

DWORD_PTR sendCopyData(HWND window, const void* data, DWORD size) {
    COPYDATASTRUCT copy{0, size, const_cast<void*>(data)};
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_ABORTIFHUNG, 5000, &result);
    return result;
}

// The error box a bad profile name brings up, closed as the user would.
bool closeErrorBox() {
    return waitFor([] {
        HWND box = FindWindowW(L"#32770", L"ERROR: WM_VRX_SWITCH_FILE");
        if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
        return box != nullptr;
    });
}

TEST(EndToEnd, StartsHandsOverSwitchesSurvivesHostileMessagesAndEndsWithTheSession) {
    TempFolder data;
    data.write("Game.cfg", "\xEF\xBB\xBF[General]\r\nFileVersion=74\r\n");
    data.write("Menu.cfg", "\xEF\xBB\xBF[General]\r\nFileVersion=74\r\n");
    const auto log = [&] { return readBytes(data / "Vantorix.log"); };
    const auto logHas = [&](const std::string& text) { return log().find(text) != std::string::npos; };

    Instance first(L"\"" + (data / "Game.cfg").wstring() + L"\"");
    ASSERT_TRUE(first.started());
    ASSERT_TRUE(waitFor([] { return mainWindow() != nullptr; })) << log();
    EXPECT_TRUE(logHas("Info   Starting Vantorix v7.4.1\r\n"));
    EXPECT_TRUE(logHas("DataDirectory = " + data.path().string() + "\\\r\n")) << log();
    EXPECT_TRUE(logHas("Profile = Game\r\n"));
    EXPECT_TRUE(waitFor([&] { return logHas("TimerInit: Timer initialized"); })) << log();
    // A first run greets the user once.
    EXPECT_TRUE(waitFor([] {
        HWND greeting = FindWindowW(nullptr, L"はじめに");
        if (greeting) PostMessageW(greeting, WM_CLOSE, 0, 0);
        return greeting != nullptr;
    }));

    // Without a profile to find its data folder by, the second start would
    // log into the user's Documents folder; it hands over without a log.
    Instance second(L"-q -r");
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(first.running());
    EXPECT_TRUE(waitFor([&] { return logHas("Received WM_VRX_REFRESH_DEVICES Message"); })) << log();

    const HWND window = mainWindow();
    sendCopyData(window, "Menu", 5);
    EXPECT_TRUE(logHas("Received WM_COPYDATA Message: Menu\r\n")) << log();
    EXPECT_TRUE(logHas("About to load config file \"Menu\""));

    const std::vector<char> hostile(1 << 20, '\xFF');
    sendCopyData(window, hostile.data(), static_cast<DWORD>(hostile.size()));
    EXPECT_TRUE(closeErrorBox());
    sendCopyData(window, "Game", 0);
    std::thread unknown([window] { sendCopyData(window, "NoSuchProfile", 14); });
    EXPECT_TRUE(closeErrorBox());
    unknown.join();
    EXPECT_TRUE(first.running());
    EXPECT_FALSE(logHas("About to load config file \"Game\""));

    DWORD_PTR allowed = 0;
    SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &allowed);
    EXPECT_EQ(allowed, 1u);
    EXPECT_EQ(first.exitCode(), 0);
    const std::string text = log();
    EXPECT_TRUE(logHas("Received WM_QUERYENDSESSION.  Exiting..."));
    EXPECT_EQ(text.substr(text.size() - 24), "Application terminated\r\n");
    const std::string settings = readBytes(data / "Vantorix.ini");
    EXPECT_NE(settings.find("FileName=Menu\r\n"), std::string::npos);
    EXPECT_NE(settings.find("HasRunBefore=1\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vrx::test
