#include "Joystick/HidReport.h"

namespace vrx {
namespace {

bool supportedBitSize(uint16_t bits) { return bits == 8 || bits == 10 || bits == 16; }

void applyValue(const HidValueCapability& capability, uint32_t value, HidState& state) {
    if (capability.usage == hid::kHatSwitch) {
        state.pov = hidHatDirection(value, capability.logicalMin);
        return;
    }
    const int axis = hidAxisIndex(capability.usage);
    if (axis >= 0) state.axis[axis] = scaleHidAxis(capability.usage, value, capability.bitSize);
}

void decodeReport(const HidReportReader& reader, std::span<const uint8_t> report, HidState& state) {
    const HidInputLayout& layout = reader.layout();
    for (const HidValueCapability& capability : layout.values) {
        uint32_t value = 0;
        if (reader.usageValue(capability, report, value)) applyValue(capability, value, state);
    }
    if (layout.buttons.empty()) return;
    const HidButtonCapability& first = layout.buttons.front();
    std::array<uint16_t, kButtonCount> pressed;
    const int count = reader.pressedUsages(first.usagePage, report, pressed);
    if (count < 0) return;
    state.button.fill(0);
    for (int i = 0; i < count && i < kButtonCount; ++i) {
        const int index = static_cast<int>(pressed[i]) - first.usageMin;
        if (index >= 0 && index < kButtonCount) state.button[index] = 1;
    }
}

}  // namespace

int hidAxisIndex(uint16_t usage) {
    if (usage >= hid::kX && usage <= hid::kDial) return usage - hid::kX;
    if (usage == hid::kAccelerator) return 6;
    if (usage == hid::kBrake) return 7;
    return -1;
}

int32_t scaleHidAxis(uint16_t usage, uint32_t value, uint16_t bitSize) {
    if (!supportedBitSize(bitSize)) return 0;
    // The library hands out only bitSize bits; the mask keeps the sums
    // below in range whatever it hands out.
    const int64_t v = value & ((1u << bitSize) - 1);
    if (usage == hid::kAccelerator || usage == hid::kBrake) return static_cast<int32_t>((v * kFullValue) >> bitSize);
    const int64_t half = int64_t{1} << (bitSize - 1);
    return static_cast<int32_t>((v * kFullValue - half * kFullValue) / half);
}

int32_t hidHatDirection(uint32_t value, int32_t logicalMin) {
    if (logicalMin != 0 && logicalMin != 1) return 0;
    const uint64_t direction = uint64_t{value} + (logicalMin == 0 ? 1 : 0);
    return direction >= 1 && direction <= 8 ? static_cast<int32_t>(direction) : 0;
}

bool decodeHidReports(const HidReportReader& reader, const HidRawReports& reports, HidState& state) {
    const uint64_t size = reports.reportSize;
    if (size == 0 || reports.reportCount == 0 || size * reports.reportCount > reports.data.size()) return false;
    for (uint32_t i = 0; i < reports.reportCount; ++i) decodeReport(reader, reports.data.subspan(i * size, size), state);
    return true;
}

}  // namespace vrx
