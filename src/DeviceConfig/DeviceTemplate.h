#pragma once

#include <string>
#include <vector>

namespace vrx {

// The label of a button a template does not name.
inline constexpr const char* kGenericButtonLabel = "Button";

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

    // The labels of the template dialog's rows (row k labels Button k + 1)
    // become the names up to the last row that says more than "Button";
    // when every row is empty or "Button", the names stay as they are, so
    // that nothing is lost by showing a template.
    void storeLabels(const std::vector<std::string>& labels);

    std::string id;
    std::string name;                  // shown in the template lists
    std::vector<std::string> buttons;  // entry k names Button k + 1
};

}  // namespace vrx
