#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "Joystick/DirectInputApi.h"

struct IDirectInput8W;

namespace vrx {

// DirectInput 8 through its wide-character interface.
class DirectInput8 final : public DirectInputApi {
public:
    // The error box is the user interface's: this layer has none.
    using ErrorBox = std::function<void(HWND owner, const std::string& text)>;

    DirectInput8(HINSTANCE module, ErrorBox errorBox) : module_(module), errorBox_(std::move(errorBox)) {}
    ~DirectInput8() override { destroy(); }
    DirectInput8(const DirectInput8&) = delete;
    DirectInput8& operator=(const DirectInput8&) = delete;

    // The main window: devices are bound to it at detection, and the error
    // boxes stand over it. Set before the first detection.
    void setWindow(HWND window) { window_ = window; }

    bool create() override;
    void destroy() override;
    std::string lastErrorText() const override;
    std::vector<DiDeviceInstance> enumerateDevices() override;
    std::unique_ptr<DirectInputDevice> createDevice(const DiGuid& instance, DiResult& result) override;
    void showError(const std::string& text) override;

private:
    HINSTANCE module_;
    ErrorBox errorBox_;
    HWND window_ = nullptr;
    IDirectInput8W* input_ = nullptr;
    DWORD lastError_ = 0;
};

}  // namespace vrx
