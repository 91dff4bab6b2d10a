#include "Joystick/RawInput_win.h"

#include <hidsdi.h>

#include "Utils/SystemErrorText_win.h"
#include "Utils/WideText_win.h"

namespace vrx {

// The hid.dll functions the back end calls, found by name.
struct RawInputHid::Functions {
    decltype(&HidD_GetManufacturerString) getManufacturerString = nullptr;
    decltype(&HidD_GetProductString) getProductString = nullptr;
    decltype(&HidP_GetCaps) getCaps = nullptr;
    decltype(&HidP_GetButtonCaps) getButtonCaps = nullptr;
    decltype(&HidP_GetValueCaps) getValueCaps = nullptr;
    decltype(&HidP_GetUsages) getUsages = nullptr;
    decltype(&HidP_GetUsageValue) getUsageValue = nullptr;
};

namespace {

constexpr USHORT kGenericDesktop = 1, kJoystick = 4, kGamepad = 5;

// Not called here, but a hid.dll without them is not one to rely on.
constexpr const char* kAlsoRequired[] = {"HidD_GetAttributes", "HidD_GetSerialNumberString", "HidD_GetPreparsedData",
                                         "HidD_FreePreparsedData"};

template <typename Function>
bool resolve(HMODULE library, const char* name, Function& function) {
    // Through void*: GetProcAddress's own type matches no function.
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return function != nullptr;
}

// A device path opened for its strings only: no access rights needed.
class DeviceFile {
public:
    explicit DeviceFile(const std::string& path)
        : handle_(CreateFileW(toWide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr)) {}
    ~DeviceFile() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    DeviceFile(const DeviceFile&) = delete;
    DeviceFile& operator=(const DeviceFile&) = delete;
    HANDLE get() const { return handle_; }
    bool open() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

template <typename Query>
std::string deviceString(HANDLE file, Query query) {
    // The query fills at most 1024 bytes; the last character stays a terminator.
    wchar_t text[513] = {};
    if (!query(file, text, 1024)) return {};
    return toUtf8(text);
}

class Reader final : public HidReportReader {
public:
    Reader(const RawInputHid::Functions& hid, std::vector<uint8_t> preparsed, HidInputLayout layout)
        : hid_(hid), preparsed_(std::move(preparsed)), layout_(std::move(layout)) {}

    const HidInputLayout& layout() const override { return layout_; }

    bool usageValue(const HidValueCapability& capability, std::span<const uint8_t> report,
                    uint32_t& value) const override {
        ULONG raw = 0;
        const NTSTATUS status = hid_.getUsageValue(HidP_Input, capability.usagePage, capability.linkCollection,
                                                   capability.usage, &raw, data(), bytes(report),
                                                   static_cast<ULONG>(report.size()));
        value = raw;
        return status == HIDP_STATUS_SUCCESS;
    }

    int pressedUsages(uint16_t usagePage, std::span<const uint8_t> report,
                      std::span<uint16_t> usages) const override {
        ULONG length = static_cast<ULONG>(usages.size());
        const NTSTATUS status = hid_.getUsages(HidP_Input, usagePage, 0, usages.data(), &length, data(),
                                               bytes(report), static_cast<ULONG>(report.size()));
        return status == HIDP_STATUS_SUCCESS ? static_cast<int>(length) : -1;
    }

private:
    PHIDP_PREPARSED_DATA data() const {
        return reinterpret_cast<PHIDP_PREPARSED_DATA>(const_cast<uint8_t*>(preparsed_.data()));
    }
    // The library reads the report only; its parameters are not const.
    static PCHAR bytes(std::span<const uint8_t> report) {
        return reinterpret_cast<PCHAR>(const_cast<uint8_t*>(report.data()));
    }

    const RawInputHid::Functions& hid_;
    std::vector<uint8_t> preparsed_;
    HidInputLayout layout_;
};

HidButtonCapability buttonOf(const HIDP_BUTTON_CAPS& caps) {
    HidButtonCapability button;
    button.usagePage = caps.UsagePage;
    button.isRange = caps.IsRange;
    button.usageMin = caps.IsRange ? caps.Range.UsageMin : caps.NotRange.Usage;
    button.usageMax = caps.IsRange ? caps.Range.UsageMax : caps.NotRange.Usage;
    return button;
}

HidValueCapability valueOf(const HIDP_VALUE_CAPS& caps) {
    HidValueCapability value;
    value.usagePage = caps.UsagePage;
    value.isRange = caps.IsRange;
    value.usage = caps.IsRange ? caps.Range.UsageMin : caps.NotRange.Usage;
    value.usageMax = caps.IsRange ? caps.Range.UsageMax : caps.NotRange.Usage;
    value.linkCollection = caps.LinkCollection;
    value.bitSize = caps.BitSize;
    value.logicalMin = caps.LogicalMin;
    value.logicalMax = caps.LogicalMax;
    return value;
}

}  // namespace

RawInputHid::RawInputHid() = default;

RawInputHid::~RawInputHid() {
    if (library_) FreeLibrary(library_);
}

HidApi::LoadResult RawInputHid::load() {
    if (!library_) library_ = LoadLibraryW(L"hid.dll");
    if (!library_) return LoadResult::NoLibrary;
    // Loaded again after the window was recreated: the readers of the
    // detected devices still call these.
    if (hid_) return LoadResult::Loaded;
    auto hid = std::make_unique<Functions>();
    bool found = resolve(library_, "HidD_GetManufacturerString", hid->getManufacturerString) &&
                 resolve(library_, "HidD_GetProductString", hid->getProductString) &&
                 resolve(library_, "HidP_GetCaps", hid->getCaps) &&
                 resolve(library_, "HidP_GetButtonCaps", hid->getButtonCaps) &&
                 resolve(library_, "HidP_GetValueCaps", hid->getValueCaps) &&
                 resolve(library_, "HidP_GetUsages", hid->getUsages) &&
                 resolve(library_, "HidP_GetUsageValue", hid->getUsageValue);
    for (const char* name : kAlsoRequired) found = found && GetProcAddress(library_, name) != nullptr;
    if (!found) return LoadResult::MissingFunction;
    hid_ = std::move(hid);
    return LoadResult::Loaded;
}

// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-registerrawinputdevices
bool RawInputHid::registerUsages(DWORD flags, HWND target) {
    const RAWINPUTDEVICE devices[2] = {{kGenericDesktop, kJoystick, flags, target},
                                       {kGenericDesktop, kGamepad, flags, target}};
    if (RegisterRawInputDevices(devices, 2, sizeof devices[0])) return true;
    lastError_ = GetLastError();
    return false;
}

bool RawInputHid::registerDevices(bool background) {
    return registerUsages(RIDEV_DEVNOTIFY | (background ? RIDEV_INPUTSINK : 0), window_);
}

bool RawInputHid::unregisterDevices() { return registerUsages(RIDEV_REMOVE, nullptr); }

std::string RawInputHid::lastErrorText() const { return systemErrorText(lastError_); }

bool RawInputHid::deviceList(std::vector<HidDeviceEntry>& entries) {
    // A device that arrives between the two calls makes the second one
    // fail for want of room; counting again catches it.
    for (int attempt = 0; attempt < 3; ++attempt) {
        UINT count = 0;
        if (GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST)) == static_cast<UINT>(-1)) break;
        std::vector<RAWINPUTDEVICELIST> list(count);
        const UINT got = count ? GetRawInputDeviceList(list.data(), &count, sizeof(RAWINPUTDEVICELIST)) : 0;
        if (got == static_cast<UINT>(-1)) {
            if (GetLastError() == ERROR_INSUFFICIENT_BUFFER) continue;
            break;
        }
        entries.clear();
        for (UINT i = 0; i < got; ++i) entries.push_back({list[i].hDevice, list[i].dwType});
        return true;
    }
    lastError_ = GetLastError();
    return false;
}

bool RawInputHid::deviceInfo(void* device, HidDeviceInfo& info) {
    RID_DEVICE_INFO native{};
    native.cbSize = sizeof native;
    UINT size = sizeof native;
    if (GetRawInputDeviceInfoW(static_cast<HANDLE>(device), RIDI_DEVICEINFO, &native, &size) == static_cast<UINT>(-1))
        return false;
    if (native.dwType != RIM_TYPEHID) return false;
    info.vendorId = static_cast<uint16_t>(native.hid.dwVendorId);
    info.productId = static_cast<uint16_t>(native.hid.dwProductId);
    info.usagePage = native.hid.usUsagePage;
    info.usage = native.hid.usUsage;
    return true;
}

std::string RawInputHid::deviceName(void* device) {
    UINT length = 0;  // in characters
    GetRawInputDeviceInfoW(static_cast<HANDLE>(device), RIDI_DEVICENAME, nullptr, &length);
    std::wstring name(length, L'\0');
    if (length == 0 ||
        GetRawInputDeviceInfoW(static_cast<HANDLE>(device), RIDI_DEVICENAME, name.data(), &length) ==
            static_cast<UINT>(-1))
        return {};
    name.resize(wcsnlen(name.c_str(), name.size()));
    return toUtf8(name);
}

HidDeviceStrings RawInputHid::deviceStrings(const std::string& path) {
    const DeviceFile file(path);
    if (!hid_ || !file.open()) return {};
    return {deviceString(file.get(), hid_->getManufacturerString), deviceString(file.get(), hid_->getProductString)};
}

std::unique_ptr<HidReportReader> RawInputHid::openReader(void* device) {
    if (!hid_) return nullptr;
    UINT size = 0;
    GetRawInputDeviceInfoW(static_cast<HANDLE>(device), RIDI_PREPARSEDDATA, nullptr, &size);
    if (size == 0) return nullptr;
    std::vector<uint8_t> preparsed(size);
    if (GetRawInputDeviceInfoW(static_cast<HANDLE>(device), RIDI_PREPARSEDDATA, preparsed.data(), &size) ==
        static_cast<UINT>(-1))
        return nullptr;
    const auto data = reinterpret_cast<PHIDP_PREPARSED_DATA>(preparsed.data());
    HIDP_CAPS caps{};
    if (hid_->getCaps(data, &caps) != HIDP_STATUS_SUCCESS) return nullptr;

    HidInputLayout layout;
    if (caps.NumberInputButtonCaps > 0) {
        std::vector<HIDP_BUTTON_CAPS> buttons(caps.NumberInputButtonCaps);
        USHORT count = caps.NumberInputButtonCaps;
        if (hid_->getButtonCaps(HidP_Input, buttons.data(), &count, data) != HIDP_STATUS_SUCCESS) return nullptr;
        for (USHORT i = 0; i < count; ++i) layout.buttons.push_back(buttonOf(buttons[i]));
    }
    if (caps.NumberInputValueCaps > 0) {
        std::vector<HIDP_VALUE_CAPS> values(caps.NumberInputValueCaps);
        USHORT count = caps.NumberInputValueCaps;
        if (hid_->getValueCaps(HidP_Input, values.data(), &count, data) != HIDP_STATUS_SUCCESS) return nullptr;
        for (USHORT i = 0; i < count; ++i) layout.values.push_back(valueOf(values[i]));
    }
    return std::make_unique<Reader>(*hid_, std::move(preparsed), std::move(layout));
}

// https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-getrawinputdata
bool RawInputHid::readRawInput(void* rawInput, HidRawReports& reports) {
    const auto handle = static_cast<HRAWINPUT>(rawInput);
    UINT size = 0;
    if (GetRawInputData(handle, RID_INPUT, nullptr, &size, sizeof(RAWINPUTHEADER)) != 0) return false;
    if (size < sizeof(RAWINPUTHEADER) || size > message_.size()) return false;
    const UINT got = GetRawInputData(handle, RID_INPUT, message_.data(), &size, sizeof(RAWINPUTHEADER));
    if (got == static_cast<UINT>(-1)) return false;
    const auto* input = reinterpret_cast<const RAWINPUT*>(message_.data());
    const auto* start = reinterpret_cast<const uint8_t*>(input->data.hid.bRawData);
    const size_t header = static_cast<size_t>(start - message_.data());
    if (got < header || input->header.dwType != RIM_TYPEHID) return false;
    reports.device = input->header.hDevice;
    reports.reportSize = input->data.hid.dwSizeHid;
    reports.reportCount = input->data.hid.dwCount;
    reports.data = std::span<const uint8_t>(start, got - header);
    return true;
}

}  // namespace vrx
