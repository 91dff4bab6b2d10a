#include "DeviceConfig/DeviceConfig.h"

#include <utility>

namespace vrx {

int apiOfIdentity(std::string_view identity) {
    switch (identity.size()) {
    case 10: return kApiXInput;
    case 38: return kApiDirectInput;
    default: return kApiHid;
    }
}

bool apiInUse(int api, int apiMode) {
    switch (api) {
    case kApiHid: return apiMode == 3 || apiMode == 4;
    case kApiXInput: return apiMode == 1 || apiMode == 2 || apiMode == 4;
    default: return apiMode == 0 || apiMode == 2 || apiMode == 4;
    }
}

void setStickAxis(AxisMapping& mapping, int entry, int sourceAxis) {
    if (entry < 0 || entry >= 4) return;
    mapping[static_cast<size_t>(entry)] = sourceAxis;
    std::array<bool, 8> used{};
    for (size_t stick = 0; stick < 4; ++stick)
        if (mapping[stick] >= 0 && mapping[stick] < 8) used[static_cast<size_t>(mapping[stick])] = true;
    for (size_t rest = 4; rest < 8; ++rest) {
        size_t lowest = 0;
        while (lowest < used.size() && used[lowest]) ++lowest;
        // Four stick entries mark at most four of the eight axes.
        mapping[rest] = static_cast<int>(lowest);
        used[lowest] = true;
    }
}

TDeviceConfig::TDeviceConfig(std::string identity, const DeviceDefaults& defaults)
    : GUID(std::move(identity)),
      AnalogDeadZone(defaults.analogDeadZone),
      AxisMapping(defaults.axisMapping),
      Api(apiOfIdentity(GUID)) {}

}  // namespace vrx
