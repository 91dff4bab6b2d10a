#pragma once

#include <string>

namespace vrx {

// The folders and file checks the choice of the data directory needs.
class DataDirectoryProbe {
public:
    virtual ~DataDirectoryProbe() = default;
    virtual bool fileExists(const std::string& path) const = 0;
    virtual bool anyProfileIn(const std::string& folder) const = 0;  // a "*.cfg" file
    // The user's documents folder, without a trailing separator.
    virtual std::string documentsFolder() const = 0;
    // Creates the folder when missing; false when it neither exists nor can be made.
    virtual bool ensureFolder(const std::string& folder) const = 0;
};

struct DataDirectoryChoice {
    std::string directory;  // ends with the separator
    std::string failure;    // the error box's text when there is none
};

// Where the data lives when neither the registry nor the command line said:
// beside the program for a portable copy (its folder holds Vantorix.ini or
// a profile), unless it is installed for all users, else "Vantorix" in the
// documents folder, made when missing.
DataDirectoryChoice chooseDataDirectory(const std::string& programDirectory, const DataDirectoryProbe& probe,
                                        char separator);

}  // namespace vrx
