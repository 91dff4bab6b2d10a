#include "DeviceConfig/DeviceConfigManager.h"

#include <algorithm>
#include <charconv>

#include "DeviceConfig/DeviceTemplateManager.h"
#include "Utils/CaseInsensitive.h"
#include "Utils/IniFile.h"
#include "Utils/IntList.h"

namespace vrx {
namespace {

constexpr const char* kCountSection = "DeviceConfig";
constexpr const char* kCountKey = "Count";

// Sections past the last record that a save erases: what removing records
// since the previous save can have left.
constexpr int kLeftOverSections = 20;

constexpr std::string_view kNumberedPrefix = "DeviceConfig-";

std::string sectionName(int number) { return std::string(kNumberedPrefix) + std::to_string(number); }

// The numbers n from 1 to count that have a section "DeviceConfig-n", in
// ascending order. Going by the sections there are rather than by counting
// to Count keeps a hand-edited Count of two billion from costing minutes.
std::vector<int> numberedSections(const IniFile& ini, int count) {
    std::vector<int> numbers;
    for (const std::string& name : ini.sections()) {
        if (name.size() <= kNumberedPrefix.size() ||
            !equalsIgnoringCase(std::string_view(name).substr(0, kNumberedPrefix.size()), kNumberedPrefix))
            continue;
        // Only the spelling sectionName gives: "DeviceConfig-01" is not section 1.
        const char* first = name.data() + kNumberedPrefix.size();
        const char* last = name.data() + name.size();
        if (*first < '1' || *first > '9') continue;
        int number = 0;
        const auto parsed = std::from_chars(first, last, number);
        if (parsed.ec == std::errc{} && parsed.ptr == last && number <= count) numbers.push_back(number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

}  // namespace

DeviceConfigManager::DeviceConfigManager(const DeviceTemplateManager& templates)
    : templates_(templates), defaults_() {}

DeviceConfigManager::~DeviceConfigManager() = default;

void DeviceConfigManager::load(const IniFile& ini, const DeviceDefaults& defaults) {
    defaults_ = defaults;
    records_.clear();
    for (const int n : numberedSections(ini, ini.readInteger(kCountSection, kCountKey, 0))) {
        const std::string section = sectionName(n);
        std::string identity = ini.readString(section, "GUID");
        if (identity.empty()) continue;
        auto record = std::make_unique<TDeviceConfig>(std::move(identity), defaults_);
        // Written as the signed decimal of the 32 bits.
        record->PUID = static_cast<std::uint32_t>(ini.readInteger(section, "PUID", 0));
        record->Name = ini.readString(section, "Name");
        record->NameOverride = ini.readString(section, "NameOverride");
        setTemplate(*record, ini.readString(section, "TemplateID"));
        record->PreferredNumber = ini.readInteger(section, "PreferredNumber", -1);
        record->AnalogDeadZone = ini.readInteger(section, "AnalogDeadZone", defaults_.analogDeadZone);
        ParseIntList(ini.readString(section, "AxisMapping"), record->AxisMapping);
        records_.push_back(std::move(record));
    }
}

void DeviceConfigManager::save(IniFile& ini) const {
    const int count = static_cast<int>(records_.size());
    ini.writeInteger(kCountSection, kCountKey, count);
    int n = 0;
    for (const auto& record : records_) {
        const std::string section = sectionName(++n);
        ini.writeString(section, "GUID", record->GUID);
        ini.writeInteger(section, "PUID", static_cast<int>(record->PUID));
        ini.writeString(section, "Name", record->Name);
        ini.writeString(section, "NameOverride", record->NameOverride);
        ini.writeString(section, "TemplateID", record->TemplateID);
        ini.writeInteger(section, "PreferredNumber", record->PreferredNumber);
        ini.writeInteger(section, "AnalogDeadZone", record->AnalogDeadZone);
        ini.writeString(section, "AxisMapping", JoinIntList(record->AxisMapping));
    }
    for (int left = count + 1; left <= count + kLeftOverSections; ++left) ini.eraseSection(sectionName(left));
}

TDeviceConfig& DeviceConfigManager::findOrCreate(std::string_view identity) {
    for (const auto& record : records_)
        if (record->GUID == identity) return *record;
    records_.push_back(std::make_unique<TDeviceConfig>(std::string(identity), defaults_));
    return *records_.back();
}

void DeviceConfigManager::markAllAbsent() {
    for (const auto& record : records_) record->Connected = false;
}

std::vector<TDeviceConfig*> DeviceConfigManager::snapshot() const {
    std::vector<TDeviceConfig*> list;
    list.reserve(records_.size());
    for (const auto& record : records_) list.push_back(record.get());
    return list;
}

bool DeviceConfigManager::remove(const TDeviceConfig* record) {
    const auto found =
        std::find_if(records_.begin(), records_.end(), [record](const auto& owned) { return owned.get() == record; });
    if (found == records_.end()) return false;
    records_.erase(found);
    return true;
}

void assignTemplate(TDeviceConfig& record, std::string_view templateId, const DeviceTemplateManager& templates) {
    record.TemplateID = std::string(templateId);
    record.Template = templates.find(templateId);
}

void DeviceConfigManager::setTemplate(TDeviceConfig& record, std::string_view templateId) const {
    assignTemplate(record, templateId, templates_);
}

void DeviceConfigManager::resolveTemplate(TDeviceConfig& record) const {
    record.Template = record.TemplateID.empty() ? templates_.chooseByControllerType(record.ControllerType)
                                                : templates_.find(record.TemplateID);
}

std::string DeviceConfigManager::templateName(const TDeviceConfig& record) {
    return record.Template ? record.Template->name : std::string();
}

}  // namespace vrx
