#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Main/AppMessages.h"

namespace vrx {

struct GlobalSettings;

// The program's main window, of the class a second instance looks for. For
// now it shows the profile list and the profile in force; it answers the
// messages of other programs, the second instance and the system.
class MainWindow final : public MainWindowActions {
public:
    struct Hooks {
        std::function<std::vector<std::string>()> profileNames;
        std::function<std::string()> currentProfile;
        std::function<void(int suppressed, int target)> attachVirtualInput;
        std::function<void()> redetectDevices;
        std::function<void()> deviceChanged;
        std::function<void(intptr_t handle)> rawInput;
        std::function<void()> profileSwitched;  // after the window shows the new profile
        std::function<void()> stopProcessing;
        std::function<void()> restartProcessing;
        std::function<void()> destroying;  // the shutdown of everything the window started
    };

    MainWindow(GlobalSettings& settings, Hooks hooks);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    // False when the window could not be made.
    bool create(HINSTANCE instance, const char* title, int showCommand);
    void setMessages(AppMessages& messages) { messages_ = &messages; }
    HWND handle() const { return window_; }
    bool shown() const;

    void restore() override;
    void minimize() override;
    void close() override;
    void showError(const char* text, const char* caption) override;
    void profileSwitched() override;
    void redetectDevices() override { hooks_.redetectDevices(); }
    void deviceChanged() override { hooks_.deviceChanged(); }
    void rawInput(intptr_t handle) override { hooks_.rawInput(handle); }
    void stopProcessing() override { hooks_.stopProcessing(); }
    void restartProcessing() override { hooks_.restartProcessing(); }
    void attachVirtualInput(int suppressed, int target) override { hooks_.attachVirtualInput(suppressed, target); }
    uint32_t tickCountMs() const override { return GetTickCount(); }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    // The profile in force and the list, as they are now.
    void showProfile();
    void layout();

    GlobalSettings& settings_;
    Hooks hooks_;
    AppMessages* messages_ = nullptr;
    HWND window_ = nullptr;
    HWND caption_ = nullptr;
    HWND list_ = nullptr;
    HFONT font_ = nullptr;
};

}  // namespace vrx
