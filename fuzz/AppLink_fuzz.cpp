// AppLink.dat is anyone's to edit and may be in any encoding. Reading it
// must never crash, and the rules it gives must come back unchanged from
// the file the program writes for them, whatever their values hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "AppLink/AppLinkFile.h"
#include "FuzzCodePage.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

vrx::AppLinkData read(std::string_view bytes, const vrx::AnsiCodePage& ansi, bool& valid) {
    vrx::AppLinkData data;
    const std::string text = vrx::decodeAppLinkText(bytes, ansi);
    valid = !vrx::parseAppLink(vrx::textLines(text), data);
    return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte picks the code page, the rest is the file.
    const vrx::AnsiCodePage& ansi = vrx::fuzz::codePage(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    bool valid = false;
    const vrx::AppLinkData rules = read(bytes, ansi, valid);
    const std::string written = vrx::appLinkFileBytes(rules);
    bool validAgain = false;
    const vrx::AppLinkData again = read(written, ansi, validAgain);
    check(validAgain);
    check(again == rules);
    check(vrx::appLinkFileBytes(again) == written);
    return 0;
}
