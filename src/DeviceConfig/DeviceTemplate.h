#pragma once

#include <string>
#include <vector>

namespace vrx {

// Readable names for the buttons of a kind of controller ("A", "LB", "△").
// Devices and profiles refer to a template by its id: fixed words for the
// built-in ones, a GUID in braces for those the user made.
class TDeviceTemplate {
public:
    TDeviceTemplate(std::string id, std::string name, std::vector<std::string> buttons = {});
    virtual ~TDeviceTemplate() = default;

    // The name of Button n (1-based); null when the template has no entry
    // for it and the button keeps its generic label.
    const std::string* buttonName(int button) const;

    std::string id;
    std::string name;                  // shown in the template lists
    std::vector<std::string> buttons;  // entry k names Button k + 1
};

}  // namespace vrx
