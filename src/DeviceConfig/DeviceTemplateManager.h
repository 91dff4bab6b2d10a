#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "DeviceConfig/DeviceTemplate.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/FileStore.h"

namespace vrx {

class Logger;
class TDeviceConfig;

// Every button template of the run, in list order: those of templates.json,
// then the built-in ones the file does not define. Templates are only ever
// added, and each keeps its address, so records may point at them.
//
// A file that cannot be read or is not a templates file leaves only the
// built-ins, and is left as it is until the user saves templates.
class DeviceTemplateManager {
public:
    // Reads the file when there is one.
    DeviceTemplateManager(std::filesystem::path path, Logger& log, FileStore& files = localFiles(),
                          const AnsiCodePage& ansi = systemAnsiCodePage());
    ~DeviceTemplateManager();
    DeviceTemplateManager(const DeviceTemplateManager&) = delete;
    DeviceTemplateManager& operator=(const DeviceTemplateManager&) = delete;

    // The first template with exactly this id (case matters); null when none has it.
    const TDeviceTemplate* find(std::string_view id) const;
    TDeviceTemplate* find(std::string_view id);
    // The built-in template for a controller type of the known-controller
    // table ("XBOX" for 31 and 32, ...; "DEFAULT" for the rest).
    const TDeviceTemplate* chooseByControllerType(int controllerType) const;

    TDeviceTemplate& add(std::unique_ptr<TDeviceTemplate> added);
    // Not yet in the list: a new identifier, the same buttons, the source's
    // name followed by "(copy)".
    std::unique_ptr<TDeviceTemplate> copy(const TDeviceTemplate& source) const;

    const std::vector<std::unique_ptr<TDeviceTemplate>>& templates() const { return templates_; }
    // (id, name) of every template in list order, for the template choosers.
    std::vector<std::pair<std::string, std::string>> idsAndNames() const;

    // Writes every template in place of the file, atomically. A failure is
    // logged and leaves the previous file; false then.
    bool save();

private:
    void addMissingBuiltIns();

    std::filesystem::path path_;
    Logger& log_;
    FileStore& files_;
    std::vector<std::unique_ptr<TDeviceTemplate>> templates_;
};

// The template that names the buttons of a logical joystick: the one of the
// device that feeds it, when that device has one, else the one the profile
// names for the joystick (its DefaultTemplateId); null for neither.
const TDeviceTemplate* effectiveTemplate(const TDeviceConfig* device, std::string_view defaultTemplateId,
                                         const DeviceTemplateManager& templates);

}  // namespace vrx
