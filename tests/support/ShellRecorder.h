#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <filesystem>

#include "AppLink/AppLinkManager.h"
#include "EngineTypes/EngineLock.h"
#include "Joystick/EngineLinks.h"
#include "Joystick/ProcessingXI.h"
#include "Joystick/Vibration.h"
#include "Main/ProfileSwitchNotice.h"
#include "Main/ShellCommands.h"
#include "Utils/SoundRequests.h"
#include "support/FakeXInput.h"

namespace vrx::test {

// Everything the shell asks of the window and the system, as lines in order.
struct Recorder final : ShellWindow, TimerControl, DeviceDetection, ShellDialogs, SwitchNotices, ShellActions,
                        AutoStartTask, ThemeSwitching, SoundRequests {
    std::vector<std::string> calls;
    ShellCommands* shell = nullptr;  // the view tells it when the window really minimises
    bool administrator = true, taskExists = false, taskWorks = true;
    // What the user does in the preference dialog; without it, it closes at once.
    std::function<void(PreferenceForm&)> preference;

    void minimizeApplication() override {
        calls.push_back("minimize");
        shell->ApplicationMinimize();
    }
    void restoreApplication() override { calls.push_back("restore"); }
    void hideTaskbarWindow() override { calls.push_back("hide taskbar"); }
    void showTaskbarWindow() override { calls.push_back("show taskbar"); }
    void bringToFront() override { calls.push_back("front"); }
    void showMainWindow() override { calls.push_back("show"); }
    void setBounds(int l, int t, int w, int h) override {
        calls.push_back("bounds " + std::to_string(l) + "," + std::to_string(t) + "," + std::to_string(w) + "," +
                        std::to_string(h));
    }
    void closeMainWindow() override { calls.push_back("close"); }
    void disable() override { calls.push_back("TimerDisable"); }
    void enable() override { calls.push_back("TimerEnable"); }
    void detect(bool force) override { calls.push_back(force ? "detect forced" : "detect"); }
    void showPreference(PreferenceForm& form) override {
        calls.push_back("preference");
        if (preference) preference(form);
    }
    void showAppLink() override { calls.push_back("applink"); }
    void showDeviceConfig() override { calls.push_back("device dialog"); }
    void withdrawDeviceConfig() override { calls.push_back("withdraw device dialog"); }
    void showAbout() override { calls.push_back("about"); }
    void showGreeting() override { calls.push_back("greeting"); }
    void showBalloon(const std::string& title, const std::string& text, int ms) override {
        calls.push_back("balloon " + title + " " + text + " " + std::to_string(ms));
    }
    void showImage(const std::string& path, int position, int ms) override {
        calls.push_back("image " + path + " " + std::to_string(position) + " " + std::to_string(ms));
    }
    void hideImage() override { calls.push_back("hide image"); }
    void openAddress(const std::string& address) override { calls.push_back("open " + address); }
    void exploreFolder(const std::string& folder) override { calls.push_back("explore " + folder); }
    bool runningAsAdministrator() const override { return administrator; }
    bool exists() override { return taskExists; }
    bool create() override {
        calls.push_back("create task");
        return taskWorks;
    }
    bool remove() override {
        calls.push_back("remove task");
        return taskWorks;
    }
    void terminateProcessing() override { calls.push_back("TimerTerminate"); }
    void unregisterRawInput() override { calls.push_back("unregister raw input"); }
    void processPendingMessages() override { calls.push_back("pump"); }
    void applyStyle(const std::string& name) override { calls.push_back("style " + name); }
    void publishWindow(uintptr_t handle) override { calls.push_back("publish " + std::to_string(handle)); }
    void registerRawInput() override { calls.push_back("register raw input"); }
    void initProcessing() override { calls.push_back("TimerInit"); }
    void PlaySoundFile(const std::string& path) override { calls.push_back("sound " + path); }

    std::vector<std::string> take() { return std::exchange(calls, {}); }
};

// What the commands model needs around it besides the form: the recorder,
// the application link, and a rumble and sound on a profile switch that go
// nowhere but the recorder.
struct ShellSurroundings {
    ShellSurroundings(const std::filesystem::path& folder, EngineLock& lock, const GlobalSettings& settings,
                      Logger& log)
        : appLink(folder, lock, log), pad(library, log), vibration(pad, log),
          notice{vibration, r, settings, folder, log} {}

    Recorder r;
    AppLinkManager appLink;
    FakeXInput library;
    XInputBackend pad;
    Vibration vibration;
    ProfileSwitchNotice notice;
    bool firstRun = false;
};

}  // namespace vrx::test
