// The device sections of Vantorix.ini may be hand-edited, cut short or from
// an older version. Loading them must never crash or make a record without
// an identity; saving must keep every section that is not the registry's;
// and what a save wrote must load as the same records and save to the same
// bytes, or a device's settings would change each time the program ends.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "DeviceConfig/DeviceConfigManager.h"
#include "DeviceConfig/DeviceTemplateManager.h"
#include "FuzzCodePage.h"
#include "Utils/CaseInsensitive.h"
#include "Utils/IniFile.h"
#include "Utils/Logger.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// No templates.json: the built-in templates, and no disk touched.
class NoFiles final : public vrx::FileStore {
public:
    std::optional<std::string> readAll(const std::filesystem::path&) const override { return std::nullopt; }
    void writeDurably(const std::filesystem::path&, std::string_view) override { std::abort(); }
    void replace(const std::filesystem::path&, const std::filesystem::path&) override { std::abort(); }
    void remove(const std::filesystem::path&) noexcept override {}
};

const vrx::DeviceTemplateManager& builtInTemplates() {
    static NoFiles files;
    static vrx::NullLogger log;
    static const vrx::DeviceTemplateManager templates("templates.json", log, files);
    return templates;
}

const vrx::DeviceDefaults kDefaults{1000, {-1, 0, 0, 0, 0, 0, 6, 7}};

bool isRegistrySection(std::string_view name) {
    constexpr std::string_view prefix = "DeviceConfig";
    return name.size() >= prefix.size() && vrx::equalsIgnoringCase(name.substr(0, prefix.size()), prefix);
}

bool sameStoredFields(const vrx::TDeviceConfig& a, const vrx::TDeviceConfig& b) {
    return a.GUID == b.GUID && a.PUID == b.PUID && a.Name == b.Name && a.NameOverride == b.NameOverride &&
           a.TemplateID == b.TemplateID && a.Template == b.Template && a.PreferredNumber == b.PreferredNumber &&
           a.AnalogDeadZone == b.AnalogDeadZone && a.AxisMapping == b.AxisMapping && a.Api == b.Api;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte picks the code page, the rest is the file.
    const vrx::AnsiCodePage& ansi = vrx::fuzz::codePage(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const vrx::DeviceTemplateManager& templates = builtInTemplates();

    const vrx::IniFile original = vrx::IniFile::decode(bytes, ansi);
    vrx::DeviceConfigManager first(templates);
    first.load(original, kDefaults);
    check(first.size() <= original.sections().size());
    for (const vrx::TDeviceConfig* record : first.snapshot()) {
        check(!record->GUID.empty());
        check(record->Template == (record->TemplateID.empty() ? nullptr : templates.find(record->TemplateID)));
    }

    vrx::IniFile updated = vrx::IniFile::decode(bytes, ansi);
    first.save(updated);
    check(updated.readInteger("DeviceConfig", "Count", -1) == static_cast<int>(first.size()));
    for (const std::string& section : original.sections()) {
        if (isRegistrySection(section)) continue;
        check(updated.keys(section) == original.keys(section));
        for (const std::string& key : original.keys(section))
            check(*updated.find(section, key) == *original.find(section, key));
    }
    const std::string written = updated.encode();

    // Read again what the save left in memory: the file's own reading and
    // writing are the IniFile fuzzer's business.
    vrx::DeviceConfigManager second(templates);
    second.load(updated, kDefaults);
    const auto before = first.snapshot();
    const auto after = second.snapshot();
    check(before.size() == after.size());
    for (size_t i = 0; i < before.size(); ++i) check(sameStoredFields(*before[i], *after[i]));

    second.save(updated);
    check(updated.encode() == written);
    return 0;
}
