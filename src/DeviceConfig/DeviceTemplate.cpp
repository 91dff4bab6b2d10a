#include "DeviceConfig/DeviceTemplate.h"

#include <cstddef>
#include <utility>

namespace vrx {

TDeviceTemplate::TDeviceTemplate(std::string id, std::string name, std::vector<std::string> buttons)
    : id(std::move(id)), name(std::move(name)), buttons(std::move(buttons)) {}

const std::string* TDeviceTemplate::buttonName(int button) const {
    if (button < 1 || static_cast<size_t>(button) > buttons.size()) return nullptr;
    return &buttons[static_cast<size_t>(button) - 1];
}

void TDeviceTemplate::storeLabels(const std::vector<std::string>& labels) {
    size_t count = labels.size();
    while (count > 0 && (labels[count - 1].empty() || labels[count - 1] == kGenericButtonLabel)) --count;
    if (count == 0) return;
    buttons.assign(labels.begin(), labels.begin() + static_cast<std::ptrdiff_t>(count));
}

}  // namespace vrx
