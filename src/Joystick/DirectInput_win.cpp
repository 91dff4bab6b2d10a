#include "Joystick/DirectInput_win.h"

#define DIRECTINPUT_VERSION 0x0800
#include <dinput.h>

#include <cstring>

#include "Utils/SystemErrorText_win.h"
#include "Utils/WideText_win.h"

namespace vrx {
namespace {

GUID toGuid(const DiGuid& g) {
    GUID guid;
    guid.Data1 = g.data1;
    guid.Data2 = g.data2;
    guid.Data3 = g.data3;
    std::memcpy(guid.Data4, g.data4.data(), sizeof guid.Data4);
    return guid;
}

DiGuid fromGuid(const GUID& guid) {
    DiGuid g;
    g.data1 = guid.Data1;
    g.data2 = guid.Data2;
    g.data3 = guid.Data3;
    std::memcpy(g.data4.data(), guid.Data4, sizeof guid.Data4);
    return g;
}

DiResult resultOf(HRESULT hr) { return static_cast<DiResult>(hr); }

class Device final : public DirectInputDevice {
public:
    Device(IDirectInputDevice8W* device, HWND window) : device_(device), window_(window) {}
    ~Device() override { device_->Release(); }
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    DiResult setDataFormat() override { return resultOf(device_->SetDataFormat(&c_dfDIJoystick2)); }
    DiResult setCooperativeLevel() override {
        return resultOf(device_->SetCooperativeLevel(window_, DISCL_NONEXCLUSIVE | DISCL_BACKGROUND));
    }
    DiResult getCapabilities(DiCapabilities& caps) override {
        DIDEVCAPS native{};
        native.dwSize = sizeof native;
        const HRESULT hr = device_->GetCapabilities(&native);
        caps = {static_cast<int>(native.dwAxes), static_cast<int>(native.dwButtons), static_cast<int>(native.dwPOVs)};
        return resultOf(hr);
    }
    // https://learn.microsoft.com/previous-versions/windows/desktop/ee417895(v=vs.85)
    DiResult enumerateAxes(std::vector<DiAxisObject>& axes) override {
        return resultOf(device_->EnumObjects(&Device::onObject, &axes, DIDFT_AXIS));
    }
    DiResult setRange(uint32_t offset, int32_t minimum, int32_t maximum) override {
        DIPROPRANGE range{};
        range.diph = header(sizeof range, offset);
        range.lMin = minimum;
        range.lMax = maximum;
        return resultOf(device_->SetProperty(DIPROP_RANGE, &range.diph));
    }
    DiResult setDeadZone(uint32_t offset, uint32_t value) override { return setWord(DIPROP_DEADZONE, offset, value); }
    DiResult setSaturation(uint32_t offset, uint32_t value) override {
        return setWord(DIPROP_SATURATION, offset, value);
    }
    DiResult acquire() override { return resultOf(device_->Acquire()); }
    DiResult unacquire() override { return resultOf(device_->Unacquire()); }
    DiResult poll() override { return resultOf(device_->Poll()); }
    DiResult getState(DiJoystickState& state) override {
        DIJOYSTATE2 native;
        const HRESULT hr = device_->GetDeviceState(sizeof native, &native);
        if (FAILED(hr)) return resultOf(hr);
        const LONG axes[kAxisCount] = {native.lX,  native.lY,  native.lZ,  native.lRx,
                                       native.lRy, native.lRz, native.rglSlider[0], native.rglSlider[1]};
        for (int i = 0; i < kAxisCount; ++i) state.axes[i] = static_cast<int32_t>(axes[i]);
        for (int i = 0; i < kPovCount; ++i) state.povs[i] = static_cast<uint32_t>(native.rgdwPOV[i]);
        std::memcpy(state.buttons.data(), native.rgbButtons, sizeof native.rgbButtons);
        return resultOf(hr);
    }

private:
    static DIPROPHEADER header(DWORD size, uint32_t offset) {
        DIPROPHEADER h{};
        h.dwSize = size;
        h.dwHeaderSize = sizeof(DIPROPHEADER);
        h.dwObj = offset;
        h.dwHow = DIPH_BYOFFSET;
        return h;
    }
    DiResult setWord(REFGUID property, uint32_t offset, uint32_t value) {
        DIPROPDWORD word{};
        word.diph = header(sizeof word, offset);
        word.dwData = value;
        return resultOf(device_->SetProperty(property, &word.diph));
    }
    static BOOL CALLBACK onObject(LPCDIDEVICEOBJECTINSTANCEW object, LPVOID context) {
        static_cast<std::vector<DiAxisObject>*>(context)->push_back(
            {static_cast<uint32_t>(object->dwOfs), static_cast<uint32_t>(object->dwType), toUtf8(object->tszName)});
        return DIENUM_CONTINUE;
    }

    IDirectInputDevice8W* device_;
    HWND window_;
};

BOOL CALLBACK onDevice(LPCDIDEVICEINSTANCEW instance, LPVOID context) {
    static_cast<std::vector<DiDeviceInstance>*>(context)->push_back(
        {fromGuid(instance->guidInstance), fromGuid(instance->guidProduct), toUtf8(instance->tszInstanceName),
         toUtf8(instance->tszProductName)});
    return DIENUM_CONTINUE;
}

}  // namespace

// https://learn.microsoft.com/previous-versions/windows/desktop/ee416756(v=vs.85)
bool DirectInput8::create() {
    destroy();
    void* created = nullptr;
    const HRESULT hr = DirectInput8Create(module_, DIRECTINPUT_VERSION, IID_IDirectInput8W, &created, nullptr);
    if (FAILED(hr)) {
        lastError_ = GetLastError();
        return false;
    }
    input_ = static_cast<IDirectInput8W*>(created);
    return true;
}

void DirectInput8::destroy() {
    if (!input_) return;
    input_->Release();
    input_ = nullptr;
}

std::string DirectInput8::lastErrorText() const { return systemErrorText(lastError_); }

std::vector<DiDeviceInstance> DirectInput8::enumerateDevices() {
    std::vector<DiDeviceInstance> devices;
    if (input_) input_->EnumDevices(DI8DEVCLASS_GAMECTRL, onDevice, &devices, DIEDFL_ATTACHEDONLY);
    return devices;
}

std::unique_ptr<DirectInputDevice> DirectInput8::createDevice(const DiGuid& instance, DiResult& result) {
    if (!input_) {
        result = resultOf(E_POINTER);
        return nullptr;
    }
    IDirectInputDevice8W* device = nullptr;
    const HRESULT hr = input_->CreateDevice(toGuid(instance), &device, nullptr);
    result = resultOf(hr);
    if (FAILED(hr) || !device) return nullptr;
    return std::make_unique<Device>(device, window_);
}

void DirectInput8::showError(const std::string& text) {
    if (errorBox_) errorBox_(window_, text);
}

}  // namespace vrx
