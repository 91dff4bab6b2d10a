#include "Utils/NumberFormat.h"

#include <cstdio>

namespace vrx {

std::string FormatNumber3(float value) {
    // The largest float needs 39 digits before the point; the buffer holds
    // any of them, so no value is cut short.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", static_cast<double>(value));
    std::string text = buffer;
    if (text.find('.') == std::string::npos) return text;  // inf, nan
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    // Rounding a small negative value leaves "-0", which reads as a sign error.
    return text == "-0" ? "0" : text;
}

}  // namespace vrx
