#pragma once

#include <span>
#include <string>

namespace vrx {

// What Vantorix.exe was started with: options, and the profile file to open.
struct CommandLine {
    bool noLog = false;           // -l or -q
    bool refreshDevices = false;  // -r
    bool noRestore = false;       // -n
    std::string profileToOpen;    // the profile file's name without extension
    std::string dataDirectory;    // its folder, with the trailing separator, when it names one
};

// Options are known by their second character only; the first argument
// that is not an option is the profile, and the rest is ignored. The
// arguments come after the program's own path.
CommandLine parseCommandLine(std::span<const std::string> arguments);

}  // namespace vrx
