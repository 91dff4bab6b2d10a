// Settings and profile files are anyone's to edit, and may be cut short or
// be in any encoding. Reading one must never crash; what the writer makes of
// it must read back as written, so that saving an unchanged file again
// changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCodePage.h"
#include "Utils/AnsiCodePage.h"
#include "Utils/IniFile.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte picks the code page, the rest is the file.
    const vrx::AnsiCodePage& ansi = vrx::fuzz::codePage(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    vrx::IniFile ini = vrx::IniFile::decode(bytes, ansi);
    for (const std::string& section : ini.sections()) {
        // A section id remembers where its last key was: keys looked up in
        // file order and backwards must find what a lookup by name finds.
        const std::vector<std::string> keys = ini.keys(section);
        vrx::IniFile::SectionId id = *ini.findSectionId(section);
        for (const std::string& key : keys) {
            check(ini.find(section, key).has_value());
            check(ini.find(id, key) == ini.find(section, key));
            ini.readInteger(section, key, 0);
        }
        for (auto key = keys.rbegin(); key != keys.rend(); ++key) check(ini.find(id, *key) == ini.find(section, *key));
    }

    // The writer's own changes, with a value taken from the file itself.
    const std::string value(bytes.substr(0, 40));
    ini.writeString("General", "FileVersion", "74");
    ini.writeString("Joystick 1", "Button01", value);
    ini.deleteKey("Joystick 1", "Button02");
    const std::string written = ini.encode();

    const vrx::IniFile again = vrx::IniFile::decode(written, ansi);
    check(again.encode() == written);
    check(again.readInteger("General", "FileVersion", 0) == 74);
    check(!again.find("Joystick 1", "Button02"));
    const std::optional<std::string_view> stored = again.find("Joystick 1", "Button01");
    check(stored && stored->size() <= value.size());
    return 0;
}
