#include "Utils/TaskScheduler.h"

#include <cstdio>

namespace vrx {

std::string comErrorLine(std::string_view step, uint32_t result, std::string_view systemDescription) {
    // One log line: the system's texts end in a line break (Wine's in a bare
    // one), and a few have more inside.
    std::string description(systemDescription);
    while (!description.empty() && (description.back() == '\n' || description.back() == '\r' || description.back() == ' '))
        description.pop_back();
    for (char& c : description)
        if (c == '\r' || c == '\n') c = ' ';
    if (description.empty()) {
        char text[48];
        // Codes just above the ones COM reserves for itself belong to
        // IDispatch implementations, which number their errors from there.
        if (result >= 0x80040201u && result <= 0x8004FFFFu)
            std::snprintf(text, sizeof text, "IDispatch error #%d", static_cast<int>(result - 0x80040200u));
        else
            std::snprintf(text, sizeof text, "Unknown error 0x%0lX", static_cast<unsigned long>(result));
        description = text;
    }
    char code[16];
    std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(result));
    return std::string(step) + " (HRESULT=" + code + "): " + description;
}

}  // namespace vrx
