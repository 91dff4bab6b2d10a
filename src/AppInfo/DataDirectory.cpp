#include "AppInfo/DataDirectory.h"

namespace vrx {

DataDirectoryChoice chooseDataDirectory(const std::string& programDirectory, const DataDirectoryProbe& probe,
                                        char separator) {
    // Program Files is not writable for users: a copy installed there keeps
    // its data with the user even when a stray ini lies beside it.
    const bool installed = programDirectory.find("Program Files (x86)") != std::string::npos;
    if (!installed &&
        (probe.fileExists(programDirectory + "Vantorix.ini") || probe.anyProfileIn(programDirectory)))
        return {programDirectory, {}};
    const std::string folder = probe.documentsFolder() + separator + "Vantorix";
    if (!probe.ensureFolder(folder)) return {{}, "Cannot create the data directory: \"" + folder + "\""};
    return {folder + separator, {}};
}

}  // namespace vrx
