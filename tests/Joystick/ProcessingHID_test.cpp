#include "Joystick/ProcessingHID.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <deque>
#include <map>
#include <thread>

#include "AppInfo/GlobalSettings.h"
#include "ConfigFileManager/ProfileSettings.h"
#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "Joystick/DeviceList.h"
#include "Joystick/HidReport.h"
#include "support/AllocationCounter.h"
#include "support/RecordingLogger.h"
#include "support/TempFolder.h"

namespace vrx::test {
namespace {

// Reports of the fake devices: byte 0 the report id, each value capability
// a little-endian 32-bit field at an offset of its own, and the buttons a
// count byte followed by 16-bit usages.
class ReportBuilder {
public:
    explicit ReportBuilder(uint8_t id = 1) { bytes_[0] = id; }
    ReportBuilder& value(size_t offset, uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<uint8_t>(v >> (8 * i));
        return *this;
    }
    ReportBuilder& pressed(std::initializer_list<uint16_t> usages) {
        bytes_[kButtonOffset] = static_cast<uint8_t>(usages.size());
        size_t at = kButtonOffset + 1;
        for (uint16_t u : usages) {
            bytes_[at++] = static_cast<uint8_t>(u);
            bytes_[at++] = static_cast<uint8_t>(u >> 8);
        }
        return *this;
    }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

    static constexpr size_t kSize = 64, kButtonOffset = 40;

private:
    std::vector<uint8_t> bytes_ = std::vector<uint8_t>(kSize);
};

class FakeReader final : public HidReportReader {
public:
    struct Field {
        uint8_t reportId = 1;
        size_t offset = 0;
    };
    HidInputLayout capabilities;
    std::vector<Field> fields;  // one per value capability
    uint8_t buttonReportId = 1;

    // A value capability read from the next free field.
    FakeReader& value(uint16_t usage, uint16_t bits = 16, int32_t logicalMin = 0, uint8_t reportId = 1) {
        HidValueCapability c;
        c.usagePage = 1;
        c.usage = usage;
        c.bitSize = bits;
        c.logicalMin = logicalMin;
        c.logicalMax = (1 << bits) - 1;
        capabilities.values.push_back(c);
        fields.push_back({reportId, 4 + 4 * fields.size()});
        return *this;
    }
    FakeReader& buttons(uint16_t first, uint16_t last) {
        capabilities.buttons.push_back({9, first, last, first != last});
        return *this;
    }

    const HidInputLayout& layout() const override { return capabilities; }
    bool usageValue(const HidValueCapability& capability, std::span<const uint8_t> report,
                    uint32_t& value) const override {
        const Field& f = fields[static_cast<size_t>(&capability - capabilities.values.data())];
        if (report.size() < ReportBuilder::kSize || report[0] != f.reportId) return false;
        value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(report[f.offset + i]) << (8 * i);
        return true;
    }
    int pressedUsages(uint16_t, std::span<const uint8_t> report, std::span<uint16_t> usages) const override {
        if (report.size() < ReportBuilder::kSize || report[0] != buttonReportId) return -1;
        const int count = report[ReportBuilder::kButtonOffset];
        if (count > static_cast<int>(usages.size())) return -1;
        for (int i = 0; i < count; ++i)
            usages[i] = static_cast<uint16_t>(report[ReportBuilder::kButtonOffset + 1 + 2 * i] |
                                              report[ReportBuilder::kButtonOffset + 2 + 2 * i] << 8);
        return count;
    }
};

// A gamepad with the usual layout: X, Y, Z, Rx, Ry as 16-bit values, a hat
// counting from 0 and buttons 1 to 14.
FakeReader padReader() {
    FakeReader reader;
    for (uint16_t usage = 0x30; usage <= 0x34; ++usage) reader.value(usage);
    reader.value(hid::kHatSwitch, 4, 0);
    reader.buttons(1, 14);
    return reader;
}

class FakeHid final : public HidApi {
public:
    struct Controller {
        HidDeviceInfo info;
        std::string path;
        HidDeviceStrings strings;
        std::optional<FakeReader> reader;
        uint32_t type = kRawInputTypeHid;
    };
    struct Message {
        void* device;
        std::vector<uint8_t> data;
        uint32_t reportSize, reportCount;
    };

    Controller& attach(uint16_t vendor, uint16_t product, uint16_t usage = 5) {
        Controller& c = controllers.emplace_back();
        c.info = {vendor, product, 1, usage};
        char path[96];
        std::snprintf(path, sizeof path, "\\\\?\\HID#VID_%04X&PID_%04X#%zu", vendor, product, controllers.size());
        c.path = path;
        c.reader = padReader();
        return c;
    }
    void* handleOf(size_t index) { return &controllers[index]; }

    // A raw-input message of one device; its handle for OnRawInput.
    void* message(size_t device, std::vector<std::vector<uint8_t>> reports) {
        Message& m = messages.emplace_back();
        m.device = handleOf(device);
        m.reportSize = static_cast<uint32_t>(reports.front().size());
        m.reportCount = static_cast<uint32_t>(reports.size());
        for (const auto& r : reports) m.data.insert(m.data.end(), r.begin(), r.end());
        return &m;
    }

    LoadResult load() override { return loadResult; }
    bool registerDevices(bool background) override {
        registeredInBackground = background;
        return registerSucceeds;
    }
    bool unregisterDevices() override { return true; }
    std::string lastErrorText() const override { return "Access is denied."; }
    bool deviceList(std::vector<HidDeviceEntry>& entries) override {
        if (!listSucceeds) return false;
        for (size_t i = 0; i < controllers.size(); ++i) entries.push_back({handleOf(i), controllers[i].type});
        return true;
    }
    bool deviceInfo(void* device, HidDeviceInfo& info) override {
        info = static_cast<Controller*>(device)->info;
        return true;
    }
    std::string deviceName(void* device) override { return static_cast<Controller*>(device)->path; }
    HidDeviceStrings deviceStrings(const std::string& path) override {
        for (const Controller& c : controllers)
            if (c.path == path) return c.strings;
        return {};
    }
    std::unique_ptr<HidReportReader> openReader(void* device) override {
        const auto& reader = static_cast<Controller*>(device)->reader;
        return reader ? std::make_unique<FakeReader>(*reader) : nullptr;
    }
    bool readRawInput(void* rawInput, HidRawReports& reports) override {
        const Message& m = *static_cast<Message*>(rawInput);
        reports = {m.device, m.reportSize, m.reportCount, m.data};
        return true;
    }

    std::deque<Controller> controllers;
    std::deque<Message> messages;
    LoadResult loadResult = LoadResult::Loaded;
    bool registerSucceeds = true, listSucceeds = true;
    std::optional<bool> registeredInBackground;
};

struct HidRig {
    TempFolder folder;
    RecordingLogger log;
    DeviceTemplateManager templates{folder / "templates.json", log};
    DeviceConfigManager registry{templates};
    DeviceList list;
    GlobalSettings settings;
    FakeHid api;
    HidBackend backend{api, settings, log};
    ProfileSettings profile;

    explicit HidRig(int mode = 3) {
        settings.xInputSupport = mode;
        registry.setDefaults(settings.deviceDefaults());
        EXPECT_TRUE(backend.start());
    }
    int detect() {
        registry.markAllAbsent();
        list.clear();
        DetectionContext c{registry, list, log, settings.xInputSupport, true};
        return backend.detect(c);
    }
    TDeviceConfig& recordOf(size_t controller) { return registry.findOrCreate(api.controllers[controller].path); }
    JoystickSnapshot poll(TDeviceConfig& device, int expected = kPollOk) {
        JoystickSnapshot snapshot;
        EXPECT_EQ(backend.poll(device, profile, snapshot), expected);
        return snapshot;
    }
};

TEST(HidScaling, AxesScaleByBitSizeAroundTheMiddleValue) {
    struct Case {
        uint16_t usage, bits;
        uint32_t value;
        int32_t expected;
    };
    const Case cases[] = {
        {0x30, 16, 0, -1000},    {0x30, 16, 32768, 0},   {0x30, 16, 65535, 999}, {0x31, 8, 255, 992},
        {0x32, 8, 128, 0},       {0x33, 10, 0, -1000},   {0x37, 10, 1023, 998},  {0x35, 12, 4095, 0},
        {0xC4, 16, 65535, 999},  {0xC5, 8, 128, 500},    {0xC4, 8, 0, 0},        {0xC5, 32, 77, 0},
        {0x30, 8, 0x1FF, 992},  // only the capability's bits count
    };
    for (const Case& c : cases)
        EXPECT_EQ(scaleHidAxis(c.usage, c.value, c.bits), c.expected) << std::hex << c.usage << " " << c.value;
    EXPECT_EQ(hidAxisIndex(0xC4), 6);
    EXPECT_EQ(hidAxisIndex(0xC5), 7);
    EXPECT_EQ(hidAxisIndex(0x39), -1);
}

TEST(HidScaling, HatsCountFromTheirLogicalMinimum) {
    EXPECT_EQ(hidHatDirection(0, 0), 1);
    EXPECT_EQ(hidHatDirection(7, 0), 8);
    EXPECT_EQ(hidHatDirection(8, 0), 0);  // the null state of an eight-way hat
    EXPECT_EQ(hidHatDirection(0, 1), 0);
    EXPECT_EQ(hidHatDirection(1, 1), 1);
    EXPECT_EQ(hidHatDirection(15, 1), 0);
    EXPECT_EQ(hidHatDirection(2, 2), 0);
    EXPECT_EQ(hidHatDirection(0xFFFFFFFFu, 0), 0);
}

TEST(HidReports, ValuesAndButtonsOfAReport) {
    FakeReader reader = padReader();
    reader.value(0x30, 8);  // a second X: the later capability wins
    HidState state;
    state.button[13] = 1;
    const auto report = ReportBuilder().value(4, 0).value(8, 65535).value(24, 2).value(28, 255)
                            .pressed({1, 11, 14, 15, 0}).bytes();
    ASSERT_TRUE(decodeHidReports(reader, {nullptr, 64, 1, report}, state));
    EXPECT_EQ(state.axis[0], 992);
    EXPECT_EQ(state.axis[1], 999);
    EXPECT_EQ(state.pov, 3);
    std::vector<int> pressed;
    for (int b = 0; b < kButtonCount; ++b)
        if (state.button[b]) pressed.push_back(b);
    // Usage 15 is button index 14, still inside the 128; usage 0 lies before the first.
    EXPECT_EQ(pressed, (std::vector<int>{0, 10, 13, 14}));
}

TEST(HidReports, AMessageAnnouncingMoreThanItHoldsIsRefusedWhole) {
    const FakeReader reader = padReader();
    HidState state;
    state.axis[0] = 123;
    const auto report = ReportBuilder().value(4, 0).bytes();
    const std::span<const uint8_t> bytes(report);
    EXPECT_FALSE(decodeHidReports(reader, {nullptr, 64, 2, bytes}, state));
    EXPECT_FALSE(decodeHidReports(reader, {nullptr, 65, 1, bytes}, state));
    EXPECT_FALSE(decodeHidReports(reader, {nullptr, 0, 1, bytes}, state));
    EXPECT_FALSE(decodeHidReports(reader, {nullptr, 64, 0, bytes}, state));
    EXPECT_FALSE(decodeHidReports(reader, {nullptr, 0x80000000u, 0x2, bytes.first(0)}, state));
    EXPECT_EQ(state.axis[0], 123);
}

TEST(HidReports, EveryReportOfAMessageCountsAndAFieldNotInAReportKeepsItsValue) {
    // X in report 1, Z and the buttons in report 2.
    FakeReader reader;
    reader.value(0x30, 16, 0, 1).value(0x32, 16, 0, 2).buttons(1, 8);
    reader.buttonReportId = 2;
    HidState state;
    const auto first = ReportBuilder(1).value(4, 65535).bytes();
    const auto second = ReportBuilder(2).value(8, 0).pressed({3}).bytes();
    std::vector<uint8_t> both = first;
    both.insert(both.end(), second.begin(), second.end());
    ASSERT_TRUE(decodeHidReports(reader, {nullptr, 64, 2, both}, state));
    EXPECT_EQ(state.axis[0], 999);
    EXPECT_EQ(state.axis[2], -1000);
    EXPECT_EQ(state.button[2], 1);
    ASSERT_TRUE(decodeHidReports(reader, {nullptr, 64, 1, ReportBuilder(1).value(4, 32768).bytes()}, state));
    EXPECT_EQ(state.axis[0], 0);
    EXPECT_EQ(state.axis[2], -1000);
    EXPECT_EQ(state.button[2], 1);
}

TEST(HidSetUp, LoadsTheLibraryAndRegistersInTheBackgroundOnlyInTheExperimentalModes) {
    for (const int mode : {0, 2, 3, 4}) {
        HidRig r(mode);
        EXPECT_EQ(r.api.registeredInBackground, mode >= 3) << mode;
        EXPECT_EQ(r.log.messages(LogLevel::Info), std::vector<std::string>{"Loading hid.dll"});
    }
    HidRig r;
    r.api.loadResult = HidApi::LoadResult::NoLibrary;
    EXPECT_FALSE(r.backend.start());
    r.api.loadResult = HidApi::LoadResult::MissingFunction;
    EXPECT_FALSE(r.backend.start());
    r.api.loadResult = HidApi::LoadResult::Loaded;
    r.api.registerSucceeds = false;
    EXPECT_FALSE(r.backend.start());
    EXPECT_EQ(r.log.messages(LogLevel::Error),
              (std::vector<std::string>{"Failed to load hid.dll", "Access is denied."}));
}

TEST(HidDetection, InTheNamesOnlyModesAControllerIsPresentButNotListed) {
    for (const int mode : {0, 1, 2}) {
        HidRig r(mode);
        r.api.attach(0x045E, 0x028E);
        EXPECT_EQ(r.detect(), 0) << mode;
        EXPECT_EQ(r.list.total(), 0);
        const TDeviceConfig& d = r.recordOf(0);
        EXPECT_TRUE(d.Connected);
        EXPECT_EQ(d.Api, kApiHid);
        EXPECT_EQ(d.BackendIndex, -1);
        EXPECT_EQ(d.Name, "Xbox 360 Controller");
        EXPECT_EQ(d.HidHandle, r.api.handleOf(0));
        // Its reports are not for this back end.
        r.backend.OnRawInput(r.api.message(0, {ReportBuilder().pressed({1}).bytes()}));
        JoystickSnapshot snapshot;
        EXPECT_EQ(r.backend.poll(*r.registry.snapshot()[0], r.profile, snapshot), kPollFailed);
    }
}

TEST(HidDetection, ListsControllersOfTheJoystickAndGamepadUsagesWithTheirNamesAndLogLines) {
    HidRig r;
    r.api.attach(0x1234, 0x5678, 4).strings = {"ACME", "Flight Stick"};
    r.api.attach(0x1234, 0x5679, 6);          // a keyboard-like usage
    r.api.attach(0x1234, 0x567A).type = 1;    // not a HID entry
    r.api.attach(0x2345, 0x0001, 5);          // no strings
    ASSERT_EQ(r.detect(), 2);
    EXPECT_EQ(r.list.at(0)->Name, "Flight Stick");
    EXPECT_EQ(r.list.at(0)->PUID, 0x12345678u);
    EXPECT_EQ(r.list.at(1)->Name, "Gamepad");
    EXPECT_EQ(r.list.at(1)->BackendIndex, 1);
    const std::vector<std::string> expected{
        "Loading hid.dll",
        "Detected a HID controller[0]: VendorId=0x1234, ProductId=0x5678, UsagePage=1, Usage=4, "
        "Path=\\\\?\\HID#VID_1234&PID_5678#1",
        "Vendor = ACME", "Product = Flight Stick", "DeviceName = Flight Stick",
        "numAxis = 5 [1,1,1,1,1,0,0,0]", "numPOVs = 1", "numButtons = 14",
        "Detected a HID controller[3]: VendorId=0x2345, ProductId=0x0001, UsagePage=1, Usage=5, "
        "Path=\\\\?\\HID#VID_2345&PID_0001#4",
        "Vendor = General", "Product = Gamepad", "DeviceName = Gamepad",
        "numAxis = 5 [1,1,1,1,1,0,0,0]", "numPOVs = 1", "numButtons = 14"};
    EXPECT_EQ(r.log.messages(LogLevel::Info), expected);
}

TEST(HidDetection, AMicrosoftPadWithoutStringsGetsTheGamepadLayoutAndItsStickOnRxRy) {
    HidRig r;
    r.api.attach(0x045E, 0x0B00);  // not in the table
    r.api.attach(0x005E, 0x0B00);  // another vendor
    r.api.attach(0x045E, 0x0B01).strings = {"Microsoft", "Pad"};
    r.api.attach(0x045E, 0x0B02).reader->value(0x35);  // six axes
    ASSERT_EQ(r.detect(), 4);
    EXPECT_TRUE(r.list.at(0)->GamepadLayout);
    EXPECT_EQ(r.list.at(0)->AxisMapping, (AxisMapping{0, 1, 3, 4, 2, 5, 6, 7}));
    EXPECT_FALSE(r.list.at(1)->GamepadLayout);
    EXPECT_EQ(r.list.at(1)->AxisMapping, (AxisMapping{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_FALSE(r.list.at(2)->GamepadLayout);
    EXPECT_FALSE(r.list.at(3)->GamepadLayout);
    EXPECT_TRUE(r.log.contains(LogLevel::Info, "Vendor = Microsoft"));
}

TEST(HidDetection, ReportsCapabilitiesItCannotRead) {
    HidRig r;
    FakeReader& reader = *r.api.attach(0x1234, 0x0001).reader;
    reader.value(0x36, 12);
    reader.value(0x40);
    reader.capabilities.values.back().isRange = true;
    reader.capabilities.values.back().usageMax = 0x42;
    reader.capabilities.values.back().logicalMin = -5;
    r.api.attach(0x1234, 0x0002).reader.reset();
    ASSERT_EQ(r.detect(), 2);
    EXPECT_EQ(r.log.messages(LogLevel::Error),
              (std::vector<std::string>{"Unsupported BitSize!", "Unsupported ValueCapability!"}));
    EXPECT_TRUE(r.log.contains(LogLevel::Debug, "ValueCapability: Usage=36, BitSize=12, Logical=[0,4095]"));
    EXPECT_TRUE(r.log.contains(LogLevel::Debug, "ValueCapability: UsageRange=<40,42>, BitSize=16, Logical=[-5,65535]"));
    EXPECT_TRUE(r.log.contains(LogLevel::Info, "numAxis = 6 [1,1,1,1,1,0,1,0]"));
    EXPECT_TRUE(r.log.contains(LogLevel::Info, "numAxis = 0 [0,0,0,0,0,0,0,0]"));
    // The device without capabilities is listed, and reads as at rest.
    EXPECT_EQ(r.poll(*r.list.at(1)).slotValue[buttonSlot(0)], 0);
}

TEST(HidDetection, AFailedDeviceListIsMinusOneAndA51stDeviceIsNotListed) {
    HidRig r;
    for (int i = 0; i <= kMaxDevices; ++i) r.api.attach(0x1234, static_cast<uint16_t>(i));
    EXPECT_EQ(r.detect(), kMaxDevices);
    EXPECT_EQ(r.log.messages(LogLevel::Error),
              std::vector<std::string>{"DetectJoysticksHID: Maximum number of joysticks reached"});
    EXPECT_TRUE(r.recordOf(kMaxDevices).Connected);
    EXPECT_EQ(r.recordOf(kMaxDevices).BackendIndex, -1);

    r.api.listSucceeds = false;
    EXPECT_EQ(r.detect(), -1);
    EXPECT_EQ(r.backend.failureText(), "Access is denied.");
    EXPECT_FALSE(r.recordOf(0).Connected);
    EXPECT_EQ(r.recordOf(0).HidHandle, nullptr);
}

struct HidPad : HidRig {
    // By default an Xbox 360 pad, whose type asks for the Xbox-style layout.
    explicit HidPad(uint16_t vendor = 0x045E, uint16_t product = 0x028E) {
        api.attach(vendor, product);
        detect();
        device = list.at(0);
        device->AnalogDeadZone = 1000;
        profile.numberOfButtons = 32;
    }
    void send(const ReportBuilder& report) { backend.OnRawInput(api.message(0, {report.bytes()})); }
    TDeviceConfig* device;
};

TEST(HidPoll, ReadsWhatTheLatestMessageSaid) {
    HidPad p(0x1234, 0x1001);  // no Xbox-style layout
    EXPECT_FALSE(p.device->GamepadLayout);
    p.send(ReportBuilder().value(4, 0).value(8, 32768).value(24, 1).pressed({1, 12}));
    JoystickSnapshot s = p.poll(*p.device);
    EXPECT_EQ(s.slotValue[axisSlot(0, false)], 1000);
    EXPECT_EQ(s.slotValue[povSlot(0, PovDirection::Up)], 1000);
    EXPECT_EQ(s.slotValue[povSlot(0, PovDirection::Right)], 1000);
    EXPECT_EQ(s.slotValue[buttonSlot(0)], 1000);
    EXPECT_EQ(s.slotValue[buttonSlot(11)], 1000);
    EXPECT_TRUE(s.axisMoved);
    // A device that stops sending keeps its last state.
    s = p.poll(*p.device);
    EXPECT_EQ(s.slotValue[buttonSlot(0)], 1000);
    EXPECT_FALSE(s.axisMoved);
    // Another device's message changes nothing.
    p.api.attach(0x1234, 0x0001);
    p.backend.OnRawInput(p.api.message(1, {ReportBuilder().pressed({}).bytes()}));
    EXPECT_EQ(p.poll(*p.device).slotValue[buttonSlot(0)], 1000);
}

TEST(HidPoll, HatDirectionsInFourAndEightWayModes) {
    struct Case {
        uint32_t raw;  // 0 up ... 7 up-left, 8 centred
        bool eightWay;
        std::vector<int> directions;
    };
    const Case cases[] = {{0, false, {0}},   {1, false, {0, 2}}, {3, false, {2, 4}}, {7, false, {0, 6}},
                          {1, true, {1}},    {7, true, {7}},     {8, true, {}},      {8, false, {}}};
    for (const Case& c : cases) {
        HidPad p(0x1234, 0x1001);
        p.profile.usePOV8Way = c.eightWay;
        p.send(ReportBuilder().value(4, 32768).value(8, 32768).value(24, c.raw));
        const JoystickSnapshot s = p.poll(*p.device);
        for (int d = 0; d < 8; ++d) {
            const bool on = std::find(c.directions.begin(), c.directions.end(), d) != c.directions.end();
            EXPECT_EQ(s.slotValue[kFirstPovSlot + d], on ? 1000 : 0) << c.raw << " " << c.eightWay << " " << d;
        }
    }
}

TEST(HidPoll, TheXboxStyleLayoutMakesTheTriggerAxisButtonsElevenAndTwelve) {
    HidPad p;
    ASSERT_TRUE(p.device->GamepadLayout);
    ASSERT_EQ(p.device->AxisMapping, (AxisMapping{0, 1, 3, 4, 2, 5, 6, 7}));
    // Z is axis 5 through the mapping; the dead zone of 1000 makes 100.
    const uint32_t zPlus150 = 32768 + 150 * 32768 / 1000 + 1, zMinus150 = 32768 - 150 * 32768 / 1000;
    const uint32_t zPlus100 = 32768 + 100 * 32768 / 1000 + 1;
    auto centred = [] { return ReportBuilder().value(4, 32768).value(8, 32768).value(16, 32768).value(20, 32768); };

    p.send(centred().value(12, zPlus150).pressed({1, 10, 11, 12}));
    JoystickSnapshot s = p.poll(*p.device);
    EXPECT_EQ(s.slotValue[buttonSlot(10)], 1000);
    EXPECT_EQ(s.slotValue[buttonSlot(11)], 0);
    EXPECT_EQ(s.slotValue[buttonSlot(0)], 1000);
    EXPECT_EQ(s.slotValue[buttonSlot(9)], 1000);
    EXPECT_EQ(s.slotValue[buttonSlot(12)], 1000);  // the pad's 11th button
    EXPECT_EQ(s.slotValue[buttonSlot(13)], 1000);

    p.send(centred().value(12, zMinus150));
    s = p.poll(*p.device);
    EXPECT_EQ(s.slotValue[buttonSlot(10)], 0);
    EXPECT_EQ(s.slotValue[buttonSlot(11)], 1000);

    p.send(centred().value(12, zPlus100));  // exactly at the dead zone: neither
    s = p.poll(*p.device);
    EXPECT_EQ(s.axisValue[4], 100);
    EXPECT_EQ(s.slotValue[buttonSlot(10)], 0);

    // With twelve buttons in the profile the moved buttons have no slot.
    p.profile.numberOfButtons = 12;
    p.send(centred().value(12, zPlus150).pressed({11}));
    s = p.poll(*p.device);
    EXPECT_EQ(s.slotValue[buttonSlot(10)], 1000);
    EXPECT_EQ(s.slotValue[buttonSlot(12)], 0);
}

TEST(HidPoll, ADetectionStartsEveryDeviceAtRest) {
    HidPad p;
    p.send(ReportBuilder().pressed({1}));
    EXPECT_EQ(p.poll(*p.device).slotValue[buttonSlot(0)], 1000);
    p.detect();
    EXPECT_EQ(p.poll(*p.device).slotValue[buttonSlot(0)], 0);
    p.send(ReportBuilder().pressed({2}));
    EXPECT_EQ(p.poll(*p.device).slotValue[buttonSlot(1)], 1000);

    DetectionContext c{p.registry, p.list, p.log, 3, true};
    p.backend.release(c);
    EXPECT_FALSE(p.device->Connected);
    EXPECT_EQ(p.device->HidHandle, nullptr);
    p.poll(*p.device, kPollFailed);
}

TEST(HidPoll, DecodingAReportAndPollingAllocateNothing) {
    HidPad p;
    void* message = p.api.message(0, {ReportBuilder().value(12, 60000).pressed({1, 2, 3}).bytes()});
    JoystickSnapshot snapshot;
    AllocationCounter counter;
    p.backend.OnRawInput(message);
    EXPECT_EQ(p.backend.poll(*p.device, p.profile, snapshot), kPollOk);
    EXPECT_EQ(counter.count(), 0u);
    EXPECT_EQ(snapshot.slotValue[buttonSlot(2)], 1000);
}

// The window thread decodes reports outside the engine lock while the
// timer thread may be detecting: no report may use a device table that a
// detection is emptying (a sanitizer build sees it if one does).
TEST(HidPoll, ReportsDecodedWhileAnotherThreadDetectsUseAWholeTable) {
    HidPad p;
    p.log.setDebugEnabled(false);
    void* press = p.api.message(0, {ReportBuilder().pressed({1}).bytes()});
    std::atomic<bool> stop{false};
    std::thread window([&] {
        while (!stop.load()) p.backend.OnRawInput(press);
    });
    for (int i = 0; i < 300; ++i) p.detect();
    stop.store(true);
    window.join();
    p.backend.OnRawInput(press);
    EXPECT_EQ(p.poll(*p.device).slotValue[buttonSlot(0)], 1000);
}

// Third-party pads are known by the built-in table: it gives the type that
// chooses the template, the pad layout and the PlayStation-style sticks.
TEST(HidDetection, KnownPadsTakeTheirTypeNameTemplateLayoutAndMappingFromTheTable) {
    // X, Y, Z and Rz with Rx and Ry: sticks on Z and Rz for the PlayStation family.
    FakeReader playStation = padReader();
    playStation.value(0x35);
    const AxisMapping psStyle{0, 1, 2, 5, 3, 4, 6, 7}, xboxStyle{0, 1, 3, 4, 2, 5, 6, 7},
        identity{0, 1, 2, 3, 4, 5, 6, 7};
    struct Case {
        uint16_t vendor, product;
        bool playStationAxes;
        const char* name;
        int type;
        const char* templateId;
        bool gamepadLayout;
        AxisMapping mapping;
    };
    const Case cases[] = {
        {0x0E6F, 0x0139, false, "PDP Xbox One Afterglow", 32, "XBOX", true, xboxStyle},
        {0x0F0D, 0x0055, true, "HORIPAD", 34, "PS4", false, psStyle},
        {0x0E6F, 0x0209, true, "HORIPAD", 45, "PS5", false, psStyle},
        {0x0738, 0x3250, true, "HORIPAD", 33, "PS4", false, psStyle},
        {0x057E, 0x2009, false, "Nintendo Switch Pro Controller", 38, "SWITCH", false, identity},
        {0x0F0D, 0x00ED, false, "HORIPAD", 46, "DEFAULT", false, identity},  // first of its two rows
        {0x1234, 0x5678, true, "HORIPAD", 0, "DEFAULT", false, identity},
    };
    for (const Case& c : cases) {
        HidRig r;
        FakeHid::Controller& pad = r.api.attach(c.vendor, c.product);
        pad.strings.product = "HORIPAD";
        if (c.playStationAxes) pad.reader = playStation;
        ASSERT_EQ(r.detect(), 1);
        const TDeviceConfig& d = r.recordOf(0);
        SCOPED_TRACE(d.Name);
        EXPECT_EQ(d.Name, c.name);
        EXPECT_EQ(d.ControllerType, c.type);
        ASSERT_NE(d.Template, nullptr);
        EXPECT_EQ(d.Template->id, c.templateId);
        EXPECT_EQ(d.GamepadLayout, c.gamepadLayout);
        EXPECT_EQ(d.AxisMapping, c.mapping);
    }
}

// The window thread publishes states whose every field holds the same
// number while the timer thread reads: a reader must never see two numbers
// in one state, and the numbers it sees never go back.
TEST(HidStateHandOver, AReaderSeesWholeStatesInOrder) {
    HidStateExchange exchange;
    constexpr int kStates = 200000;
    std::thread writer([&exchange] {
        HidState state;
        for (int n = 1; n <= kStates; ++n) {
            state.axis.fill(n);
            state.pov = n;
            state.button.fill(static_cast<uint8_t>(n));
            exchange.publish(state);
        }
    });
    int last = 0;
    bool whole = true, ordered = true;
    while (last < kStates && whole && ordered) {
        const HidState& state = exchange.latest();
        const int n = state.pov;
        whole = std::all_of(state.axis.begin(), state.axis.end(), [n](int32_t v) { return v == n; }) &&
                std::all_of(state.button.begin(), state.button.end(),
                            [n](uint8_t b) { return b == static_cast<uint8_t>(n); });
        ordered = n >= last;
        last = n;
    }
    writer.join();
    EXPECT_TRUE(whole);
    EXPECT_TRUE(ordered);
    EXPECT_EQ(exchange.latest().pov, kStates);
}

}  // namespace
}  // namespace vrx::test
