#include "DeviceConfig/DeviceTemplate.h"

#include <utility>

namespace vrx {

TDeviceTemplate::TDeviceTemplate(std::string id, std::string name, std::vector<std::string> buttons)
    : id(std::move(id)), name(std::move(name)), buttons(std::move(buttons)) {}

const std::string* TDeviceTemplate::buttonName(int button) const {
    if (button < 1 || static_cast<size_t>(button) > buttons.size()) return nullptr;
    return &buttons[static_cast<size_t>(button) - 1];
}

}  // namespace vrx
