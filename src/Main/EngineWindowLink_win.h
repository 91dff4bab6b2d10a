#pragma once

#include <windows.h>

#include <atomic>

#include "AppInfo/WindowMessages.h"
#include "Joystick/EngineLinks.h"
#include "Joystick/InputDevices.h"
#include "Main/MainWindow_win.h"

namespace vrx {

// What the engine and detection tell the windows, by posted messages: the
// main window's highlights and device list, and the device dialog's live
// display while that dialog is published.
class EngineWindowLink final : public UserInterfaceLink, public DeviceListUi {
public:
    explicit EngineWindowLink(const MainWindow& window) : window_(window) {}
    bool windowShown() const override { return window_.shown(); }
    bool isDeviceDialog(WindowHandle window) const override {
        return window != 0 && window == reinterpret_cast<WindowHandle>(deviceDialog_.load());
    }
    void postRefreshHighlight() override { PostMessageW(window_.handle(), wm::kVrxRefreshHighlight, 0, 0); }
    void postDeviceDialogRedraw() override {
        if (HWND dialog = deviceDialog_.load()) PostMessageW(dialog, wm::kVrxRedrawDeviceDialog, 0, 0);
    }
    void postUpdateJoysticks() override { PostMessageW(window_.handle(), wm::kVrxUpdateJoysticks, 0, 0); }

    // The device dialog while it is open; null otherwise. The tick reads it
    // on the timer thread.
    void publishDeviceDialog(HWND dialog) { deviceDialog_.store(dialog); }

private:
    const MainWindow& window_;
    std::atomic<HWND> deviceDialog_{nullptr};
};

}  // namespace vrx
