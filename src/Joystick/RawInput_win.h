#pragma once

#include <windows.h>

#include <array>

#include "Joystick/HidApi.h"

namespace vrx {

// Raw input and hid.dll. hid.dll is loaded at run time, so that a system
// without it only goes without the HID back end.
class RawInputHid final : public HidApi {
public:
    RawInputHid();
    ~RawInputHid() override;
    RawInputHid(const RawInputHid&) = delete;
    RawInputHid& operator=(const RawInputHid&) = delete;

    // The main window, which receives the raw input and the device notices
    // (WM_INPUT, WM_INPUT_DEVICE_CHANGE). Set before start and again when
    // the window is recreated.
    void setWindow(HWND window) { window_ = window; }

    LoadResult load() override;
    bool registerDevices(bool background) override;
    bool unregisterDevices() override;
    std::string lastErrorText() const override;
    bool deviceList(std::vector<HidDeviceEntry>& entries) override;
    bool deviceInfo(void* device, HidDeviceInfo& info) override;
    std::string deviceName(void* device) override;
    HidDeviceStrings deviceStrings(const std::string& path) override;
    std::unique_ptr<HidReportReader> openReader(void* device) override;
    bool readRawInput(void* rawInput, HidRawReports& reports) override;

    struct Functions;

private:
    bool registerUsages(DWORD flags, HWND target);

    HMODULE library_ = nullptr;
    std::unique_ptr<Functions> hid_;
    HWND window_ = nullptr;
    DWORD lastError_ = 0;
    // One message's data: reports are a few dozen bytes, and a message
    // too large for this is refused rather than read in part.
    alignas(8) std::array<uint8_t, 16384> message_{};
};

}  // namespace vrx
