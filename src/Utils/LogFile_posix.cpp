#include "Utils/LogFile.h"

namespace vrx {

// Open files never keep others from reading or deleting them here.
std::FILE* createLogFile(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file) std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}

}  // namespace vrx
