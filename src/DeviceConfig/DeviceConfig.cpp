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

TDeviceConfig::TDeviceConfig(std::string identity, const DeviceDefaults& defaults)
    : GUID(std::move(identity)),
      AnalogDeadZone(defaults.analogDeadZone),
      AxisMapping(defaults.axisMapping),
      Api(apiOfIdentity(GUID)) {}

}  // namespace vrx
