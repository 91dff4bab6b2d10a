#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vrx {

// The numbers of a slot's line as printf writes them with "%4d", "%02X" and
// "%.3f", without reading a format string for each: a profile of 50
// joysticks is over nine thousand lines, and printf's format parsing was
// most of the time it took to save one. Unlike printf the text never
// depends on the C library or the locale, so every build writes the same.
struct Decimal {  // "%<width>d"
    int value;
    int width = 0;
};
struct Hex {  // "%0<digits>X"
    uint32_t value;
    int digits = 1;
};
struct Fixed {  // "%<width>.<precision>f" of a float
    float value;
    int precision = 6;
    int width = 0;
};

void appendPiece(std::string& out, std::string_view text);
void appendPiece(std::string& out, Decimal number);
void appendPiece(std::string& out, Hex number);
void appendPiece(std::string& out, Fixed number);

template <class... Pieces>
void appendPieces(std::string& out, const Pieces&... pieces) {
    (appendPiece(out, pieces), ...);
}

}  // namespace vrx
