#include "DeviceConfig/DeviceTemplateManager.h"

#include <exception>
#include <utility>

#include "DeviceConfig/DeviceConfig.h"
#include "DeviceConfig/NewGuid.h"
#include "DeviceConfig/TemplatesFile.h"
#include "Utils/Logger.h"
#include "Utils/PathText.h"

namespace vrx {
namespace {

// The first four names of the PlayStation pads are the shapes on their face
// buttons: white square, multiplication sign, white circle, white triangle.
std::vector<std::string> playStationButtons() {
    return {"\u25A1", "\u00D7", "\u25CB", "\u25B3", "L1", "R1",  "L2", "R2",
            "Share",  "Options", "L3",   "R3",     "PS", "TouchPad"};
}

// In the order they are added after the file's templates.
TemplateList builtInTemplates() {
    TemplateList list;
    list.push_back(std::make_unique<TDeviceTemplate>("DEFAULT", "Default"));
    // The XInput button order: A, B, X, Y, shoulders, view, menu, stick
    // presses, triggers, guide.
    list.push_back(std::make_unique<TDeviceTemplate>(
        "XBOX", "Xbox controller",
        std::vector<std::string>{"A", "B", "X", "Y", "LB", "RB", "View", "Menu", "L-Stick", "R-Stick", "LT", "RT",
                                 "XBOX"}));
    list.push_back(std::make_unique<TDeviceTemplate>("PS4", "PS4 controller", playStationButtons()));
    std::vector<std::string> ps5 = playStationButtons();
    ps5.push_back("Mute");
    list.push_back(std::make_unique<TDeviceTemplate>("PS5", "PS5 controller", std::move(ps5)));
    list.push_back(std::make_unique<TDeviceTemplate>(
        "SWITCH", "Switch controller",
        std::vector<std::string>{"B", "A", "Y", "X", "L", "R", "ZL", "ZR", "-", "+", "L-Stick", "R-Stick", "Home",
                                 "Capture"}));
    return list;
}

// The built-in template that suits a type of the known-controller table.
const char* templateIdForType(int controllerType) {
    switch (controllerType) {
    case 31:  // Xbox 360
    case 32:  // Xbox One and Series
        return "XBOX";
    case 33:  // PS3
    case 34:  // PS4
        return "PS4";
    case 38:  // Switch Pro
    case 41:  // Joy-Con pair
        return "SWITCH";
    case 45:
        return "PS5";
    default:
        return "DEFAULT";
    }
}

}  // namespace

DeviceTemplateManager::DeviceTemplateManager(std::filesystem::path path, Logger& log, FileStore& files,
                                             const AnsiCodePage& ansi)
    : path_(std::move(path)), log_(log), files_(files) {
    try {
        if (const auto bytes = files_.readAll(path_)) {
            log_.info("Loading button templates from file: " + pathToUtf8(path_));
            templates_ = decodeTemplatesFile(*bytes, ansi, log_);
        }
    } catch (const std::exception& e) {
        log_.errorf("Cannot read button templates: %s", e.what());
    }
    addMissingBuiltIns();
}

DeviceTemplateManager::~DeviceTemplateManager() = default;

void DeviceTemplateManager::addMissingBuiltIns() {
    for (auto& builtIn : builtInTemplates())
        if (!find(builtIn->id)) templates_.push_back(std::move(builtIn));
}

const TDeviceTemplate* DeviceTemplateManager::find(std::string_view id) const {
    for (const auto& entry : templates_)
        if (entry->id == id) return entry.get();
    return nullptr;
}

TDeviceTemplate* DeviceTemplateManager::find(std::string_view id) {
    return const_cast<TDeviceTemplate*>(std::as_const(*this).find(id));
}

const TDeviceTemplate* DeviceTemplateManager::chooseByControllerType(int controllerType) const {
    return find(templateIdForType(controllerType));
}

TDeviceTemplate& DeviceTemplateManager::add(std::unique_ptr<TDeviceTemplate> added) {
    templates_.push_back(std::move(added));
    return *templates_.back();
}

std::unique_ptr<TDeviceTemplate> DeviceTemplateManager::copy(const TDeviceTemplate& source) const {
    std::string id;
    do id = newGuidText();
    while (find(id));
    return std::make_unique<TDeviceTemplate>(std::move(id), source.name + "(copy)", source.buttons);
}

std::vector<std::pair<std::string, std::string>> DeviceTemplateManager::idsAndNames() const {
    std::vector<std::pair<std::string, std::string>> pairs;
    pairs.reserve(templates_.size());
    for (const auto& entry : templates_) pairs.emplace_back(entry->id, entry->name);
    return pairs;
}

bool DeviceTemplateManager::save() {
    log_.info("Saving button templates to a file: " + pathToUtf8(path_));
    try {
        saveAtomically(files_, path_, encodeTemplatesFile(templates_));
        return true;
    } catch (const std::exception& e) {
        log_.errorf("Cannot save button templates: %s", e.what());
        return false;
    }
}

const TDeviceTemplate* effectiveTemplate(const TDeviceConfig* device, std::string_view defaultTemplateId,
                                         const DeviceTemplateManager& templates) {
    if (device && device->Template) return device->Template;
    return defaultTemplateId.empty() ? nullptr : templates.find(defaultTemplateId);
}

}  // namespace vrx
