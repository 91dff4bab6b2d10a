#include "DeviceConfig/NewGuid.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <random>

namespace vrx {

std::string newGuidText() {
    std::random_device source;
    std::array<std::uint8_t, 16> bytes;
    for (size_t i = 0; i < bytes.size(); i += 4) {
        const std::uint32_t word = source();
        for (size_t k = 0; k < 4; ++k) bytes[i + k] = static_cast<std::uint8_t>(word >> (8 * k));
    }
    // Version 4 (random) and the standard variant, as the system's own
    // generator marks its identifiers.
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40);
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);
    char text[39];
    std::snprintf(text, sizeof text, "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", bytes[0],
                  bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7], bytes[8], bytes[9], bytes[10],
                  bytes[11], bytes[12], bytes[13], bytes[14], bytes[15]);
    return text;
}

}  // namespace vrx
