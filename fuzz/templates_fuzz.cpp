// templates.json is anyone's to edit. Reading it must never crash, whatever
// the bytes; and what the program writes must read back as the same
// templates without complaint and encode to the same bytes, or the user's
// names would drift with each save. (The built-in templates the
// manager adds are the same for every input: the unit tests cover them.)
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "DeviceConfig/TemplatesFile.h"
#include "FuzzCodePage.h"
#include "Utils/Logger.h"
#include "Utils/TextDecoding.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

class ErrorCount final : public vrx::Logger {
public:
    int errors = 0;

protected:
    void writeLine(vrx::LogLevel level, std::string_view) override { errors += level == vrx::LogLevel::Error; }
};

bool sameTemplates(const vrx::TemplateList& a, const vrx::TemplateList& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const vrx::TDeviceTemplate& x = *a[i];
        const vrx::TDeviceTemplate& y = *b[i];
        if (x.id != y.id || x.name != y.name || x.buttons != y.buttons) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte picks the code page, the rest is the file.
    const vrx::AnsiCodePage& ansi = vrx::fuzz::codePage(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    ErrorCount log;

    const vrx::TemplateList first = vrx::decodeTemplatesFile(bytes, ansi, log);
    for (const auto& entry : first) check(entry != nullptr);
    const std::string written = vrx::encodeTemplatesFile(first);
    check(written.starts_with(vrx::kUtf8ByteOrderMark));

    log.errors = 0;
    const vrx::TemplateList second = vrx::decodeTemplatesFile(written, ansi, log);
    check(log.errors == 0);
    check(sameTemplates(first, second));
    check(vrx::encodeTemplatesFile(second) == written);
    return 0;
}
