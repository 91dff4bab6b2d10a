#include "Main/SystemFacts.h"

namespace vrx {

const char* windowsVersionLine(const VersionAtLeast& atLeast) {
    struct Generation {
        int major, minor;
        const char* line;
    };
    static constexpr Generation kGenerations[] = {
        {10, 0, "Windows 10 or later"}, {6, 3, "Windows 8.1"}, {6, 2, "Windows 8.0"},
        {6, 1, "Windows 7"},            {6, 0, "Windows Vista"},
    };
    for (const Generation& g : kGenerations)
        if (atLeast(g.major, g.minor)) return g.line;
    return "Windows XP or earlier";
}

const char* privilegeLine(bool administrator) {
    return administrator ? "Application is running with administrator privileges"
                         : "Application is running with standard user privileges";
}

}  // namespace vrx
