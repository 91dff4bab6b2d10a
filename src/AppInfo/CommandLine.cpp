#include "AppInfo/CommandLine.h"

namespace vrx {

CommandLine parseCommandLine(std::span<const std::string> arguments) {
    CommandLine c;
    for (const std::string& a : arguments) {
        if (a.empty() || a[0] != '-') {
            // The profile's folder holds the data from now on, unless it is
            // no more than a name and a separator.
            const size_t separator = a.find_last_of("\\/");
            const std::string folder = separator == std::string::npos ? std::string() : a.substr(0, separator + 1);
            if (folder.size() > 2) c.dataDirectory = folder;
            const std::string file = a.substr(folder.size());
            c.profileToOpen = file.substr(0, file.rfind('.'));
            break;
        }
        switch (a.size() > 1 ? a[1] : '\0') {
            case 'l':
            case 'q': c.noLog = true; break;
            case 'r': c.refreshDevices = true; break;
            case 'n': c.noRestore = true; break;
            default: break;
        }
    }
    return c;
}

}  // namespace vrx
