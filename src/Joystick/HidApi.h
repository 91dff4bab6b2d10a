#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vrx {

// A raw-input device as the device list names it.
struct HidDeviceEntry {
    void* handle = nullptr;
    uint32_t type = 0;  // kRawInputTypeHid for HID devices
};
inline constexpr uint32_t kRawInputTypeHid = 2;

struct HidDeviceInfo {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
};

// The strings a device reports about itself; empty when it reports none.
struct HidDeviceStrings {
    std::string manufacturer;
    std::string product;
};

// One input button capability: the usages it reports pressed.
struct HidButtonCapability {
    uint16_t usagePage = 0;
    uint16_t usageMin = 0;
    uint16_t usageMax = 0;
    bool isRange = false;
};

// One input value capability, with what reading its value needs.
struct HidValueCapability {
    uint16_t usagePage = 0;
    uint16_t usage = 0;     // or the first usage of a range
    uint16_t usageMax = 0;  // of a range
    bool isRange = false;
    uint16_t linkCollection = 0;
    uint16_t bitSize = 0;
    int32_t logicalMin = 0;
    int32_t logicalMax = 0;
};

// A device's input capabilities, in the order its descriptor gives them.
struct HidInputLayout {
    std::vector<HidButtonCapability> buttons;
    std::vector<HidValueCapability> values;
};

// Reads the fields of one device's input reports (its preparsed data).
// Reading never allocates: reports arrive a thousand times a second.
class HidReportReader {
public:
    virtual ~HidReportReader() = default;
    virtual const HidInputLayout& layout() const = 0;
    // The unsigned value of a capability's usage in a report; false when
    // the report does not carry it.
    virtual bool usageValue(const HidValueCapability& capability, std::span<const uint8_t> report,
                            uint32_t& value) const = 0;
    // The pressed button usages of a page, at most usages.size() of them;
    // their number, or -1 when the report cannot be read.
    virtual int pressedUsages(uint16_t usagePage, std::span<const uint8_t> report,
                              std::span<uint16_t> usages) const = 0;
};

// One raw-input message of a HID device: reportCount reports of reportSize
// bytes each, in data as far as the system delivered them.
struct HidRawReports {
    void* device = nullptr;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    std::span<const uint8_t> data;
};

// The raw-input service and hid.dll.
class HidApi {
public:
    enum class LoadResult { Loaded, NoLibrary, MissingFunction };

    virtual ~HidApi() = default;
    // Loads hid.dll and finds every function the back end calls.
    virtual LoadResult load() = 0;
    // Raw input of joysticks and gamepads for the main window, with
    // notices of devices coming and going; background: input also while
    // another program has the focus.
    virtual bool registerDevices(bool background) = 0;
    virtual bool unregisterDevices() = 0;
    // Why the last registration or device list failed.
    virtual std::string lastErrorText() const = 0;

    virtual bool deviceList(std::vector<HidDeviceEntry>& entries) = 0;
    virtual bool deviceInfo(void* device, HidDeviceInfo& info) = 0;
    // The device interface path.
    virtual std::string deviceName(void* device) = 0;
    virtual HidDeviceStrings deviceStrings(const std::string& path) = 0;
    // Null when the device's preparsed data or capabilities cannot be had.
    virtual std::unique_ptr<HidReportReader> openReader(void* device) = 0;

    // The reports of a raw-input message (rawInput is its handle), valid
    // until the next call; false when the message cannot be read. Called on
    // the window thread only, without allocating.
    virtual bool readRawInput(void* rawInput, HidRawReports& reports) = 0;
};

}  // namespace vrx
