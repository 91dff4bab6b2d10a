#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConfigFileManager/ConfigFileManager.h"
#include "Main/AppMessages.h"
#include "Utils/AnsiCodePage.h"
#include "support/EngineHarness.h"
#include "support/SilentProfileUi.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

class RecordingWindow final : public MainWindowActions {
public:
    std::vector<std::string> calls;
    uint32_t now = 10000;

    void restore() override { calls.push_back("restore"); }
    void minimize() override { calls.push_back("minimize"); }
    void close() override { calls.push_back("close"); }
    void showError(const char* text, const char* caption) override {
        calls.push_back(std::string(caption) + ": " + text);
    }
    void profileSwitched() override { calls.push_back("switched"); }
    void redetectDevices() override { calls.push_back("redetect"); }
    void deviceChanged() override { calls.push_back("device change"); }
    void rawInput(intptr_t handle) override { calls.push_back("raw input " + std::to_string(handle)); }
    void stopProcessing() override { calls.push_back("stop"); }
    void restartProcessing() override { calls.push_back("restart"); }
    void attachVirtualInput(int suppressed, int target) override {
        calls.push_back("attach " + std::to_string(suppressed) + " " + std::to_string(target));
    }
    uint32_t tickCountMs() const override { return now; }
};

struct MessageFixture {
    TempFolder folder;
    EngineHarness h;
    GlobalSettings settings;
    UnsharedEngineLock lock;
    SilentProfileUi ui;
    RecordingWindow window;
    std::unique_ptr<AnsiCodePage> ansi = makeAnsiCodePage("CP932");
    ConfigFileManager profiles{folder.path(), settings, h.engine, lock, ui, h.log};
    AppMessages messages{profiles, h.engine.virtualInput(), window, *ansi, h.log};

    MessageFixture() {
        folder.write("Game.cfg", "");
        folder.write("Menu.cfg", "");
        settings.fileName = "Game";
        profiles.scan();
    }
    std::optional<intptr_t> send(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) {
        return messages.handle(message, wParam, lParam, nullptr, 0);
    }
    std::optional<intptr_t> copyData(const void* data, size_t size) {
        return messages.handle(wm::kCopyData, 0, 0, data, size);
    }
};

TEST(AppMessages, CopyDataSwitchesByNameAndSurvivesWhateverItCarries) {
    MessageFixture f;
    EXPECT_EQ(f.copyData("menu", 5), 1);
    EXPECT_EQ(f.profiles.currentName(), "Menu");
    EXPECT_TRUE(f.h.log.contains(LogLevel::Info, "Received WM_COPYDATA Message: menu"));

    f.copyData(nullptr, 1 << 20);
    f.copyData("Game", 0);
    const std::vector<char> hostile(1 << 20, '\xFF');
    f.copyData(hostile.data(), hostile.size());
    EXPECT_EQ(f.profiles.currentName(), "Menu");
    EXPECT_EQ(f.window.calls, std::vector<std::string>{"ERROR: WM_VRX_SWITCH_FILE: 指定されたファイルが存在しません。"});
}

TEST(AppMessages, SwitchFileTakesTheLowByteAsTheInitial) {
    MessageFixture f;
    f.send(wm::kVrxSwitchFile, 0, 0x1200 + 'm');
    EXPECT_EQ(f.profiles.currentName(), "Menu");
    EXPECT_TRUE(f.h.log.contains(LogLevel::Info, "Received WM_VRX_SWITCH_FILE Message: m"));
    f.send(wm::kVrxSwitchFile, 0, 'q');
    EXPECT_EQ(f.window.calls.back(), "ERROR: WM_VRX_SWITCH_FILE: 指定されたファイルが存在しません。");
    f.send(wm::kVrxSwitchFile, 0, 0xB1);  // a half-width katakana in the code page
    EXPECT_TRUE(f.h.log.contains(LogLevel::Info, "Received WM_VRX_SWITCH_FILE Message: ｱ"));
}

TEST(AppMessages, VirtualButtonsTakeOnlyButtonNumbers) {
    MessageFixture f;
    f.send(wm::kVrxVirtualAttach, 1, 2);
    EXPECT_EQ(f.window.calls.back(), "attach 1 2");
    f.send(wm::kVrxVirtualPress, 0, 127);
    f.send(wm::kVrxVirtualPress, 0, (intptr_t{1} << 32) + 5);  // would be 5 if cut to 32 bits
    f.send(wm::kVrxVirtualPress, 0, -1);
    EXPECT_TRUE(f.h.engine.virtualInput().query(127));
    EXPECT_FALSE(f.h.engine.virtualInput().query(5));
    f.send(wm::kVrxVirtualRelease, 0, 127);
    EXPECT_FALSE(f.h.engine.virtualInput().query(127));
}

TEST(AppMessages, ResumeAfterAnAutomaticResumeIsNotRepeated) {
    MessageFixture f;
    EXPECT_EQ(f.send(wm::kPowerBroadcast, 0), 1);
    f.send(wm::kPowerBroadcast, 4);
    f.send(wm::kPowerBroadcast, 18);
    f.window.now += 1500;
    f.send(wm::kPowerBroadcast, 7);
    f.window.now += 5000;
    f.send(wm::kPowerBroadcast, 7);
    EXPECT_EQ(f.window.calls, (std::vector<std::string>{"stop", "restart", "restart"}));
    EXPECT_TRUE(f.h.log.contains(LogLevel::Info, "Received PBT_APMSUSPEND: Disabling the timer and joysticks..."));
}

TEST(AppMessages, EndOfSessionClosesAndOtherMessagesAreNotOurs) {
    MessageFixture f;
    EXPECT_EQ(f.send(wm::kQueryEndSession), 1);
    EXPECT_TRUE(f.messages.reallyExit());
    EXPECT_EQ(f.window.calls.back(), "close");
    EXPECT_EQ(f.send(0x0400), std::nullopt);
    f.send(wm::kVrxRestore);
    f.send(wm::kVrxMinimize);
    f.send(wm::kVrxRefreshDevices);
    EXPECT_EQ(f.send(wm::kInputDeviceChange), 0);
    // The system frees a report's buffers in its own handling.
    EXPECT_EQ(f.send(wm::kInput, 0, 0x5678), std::nullopt);
    EXPECT_EQ(f.window.calls, (std::vector<std::string>{"close", "restore", "minimize", "redetect", "device change",
                                                        "raw input 22136"}));
    EXPECT_TRUE(f.h.log.contains(LogLevel::Debug, "Received device change notification"));
}

}  // namespace
}  // namespace vrx::test
