// Profile lines come from files anyone can edit; reading one must never
// crash or read past the text, whatever bytes it holds and whatever format
// version the file claims.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Joybutton/JoyButton.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte picks the format version, the rest is the line.
    const int version = 30 + data[0] % 50;
    const std::string_view line(reinterpret_cast<const char*>(data + 1), size - 1);
    vrx::JoyButton button;
    button.parseLine(line, version);
    // What was read must write and read back without trouble as well.
    vrx::JoyButton again;
    again.parseLine(button.formatLine(), 74);
    return 0;
}
