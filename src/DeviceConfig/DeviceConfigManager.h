#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "DeviceConfig/DeviceConfig.h"

namespace vrx {

class DeviceTemplateManager;
class IniFile;

// Every controller ever detected, in the order the records were read or
// created: detection takes the first matching record in this order, and the
// file's numbered sections follow it. Records live until remove() or the
// manager's end, so detection and the device dialog may hold references to
// them; only load() replaces them all.
class DeviceConfigManager {
public:
    // The templates must outlive the manager: records refer to them.
    explicit DeviceConfigManager(const DeviceTemplateManager& templates);
    ~DeviceConfigManager();
    DeviceConfigManager(const DeviceConfigManager&) = delete;
    DeviceConfigManager& operator=(const DeviceConfigManager&) = delete;

    // Replaces the records with those of the sections "DeviceConfig" and
    // "DeviceConfig-1" ... of Vantorix.ini; the defaults fill what a section
    // leaves out and are those of the records created later. Called with the
    // global settings, before the first detection.
    void load(const IniFile& ini, const DeviceDefaults& defaults);
    // Writes every record into its numbered section and erases the sections
    // that removed records left behind; other sections and keys stay.
    void save(IniFile& ini) const;

    // The global settings changed: records created from now on take these.
    void setDefaults(const DeviceDefaults& defaults) { defaults_ = defaults; }

    // The first record with exactly this identity (case matters); a new one
    // with the defaults, appended, when there is none.
    TDeviceConfig& findOrCreate(std::string_view identity);
    // Start of a detection: no record is connected.
    void markAllAbsent();
    // The records as they are now, for going through them while the list
    // does not change.
    std::vector<TDeviceConfig*> snapshot() const;
    // Destroys the record; false, and nothing changed, when it is not one
    // of this registry's.
    bool remove(const TDeviceConfig* record);
    std::size_t size() const { return records_.size(); }

    // Stores the identifier and resolves Template by it: no template when
    // no template has that identifier.
    void setTemplate(TDeviceConfig& record, std::string_view templateId) const;
    // Detection's rule: the template that TemplateID names, or, when it is
    // empty, the one chosen by ControllerType.
    void resolveTemplate(TDeviceConfig& record) const;
    // The resolved template's display name; empty without a template.
    static std::string templateName(const TDeviceConfig& record);

private:
    const DeviceTemplateManager& templates_;
    DeviceDefaults defaults_;
    std::vector<std::unique_ptr<TDeviceConfig>> records_;
};

// Stores the identifier in the record and resolves its Template by it: no
// template when none has that identifier.
void assignTemplate(TDeviceConfig& record, std::string_view templateId, const DeviceTemplateManager& templates);

}  // namespace vrx
