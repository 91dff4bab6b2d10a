#include <string>
#include <system_error>

#include "Utils/Logger.h"
#include "Utils/WindowExePath.h"

namespace vrx {

// Linux tells a process's executable through /proc, which stands in for
// the process behind a window here.
std::filesystem::path GetWindowExePath(uintptr_t window, Logger& log) {
    if (window == 0) return {};
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/" + std::to_string(window) + "/exe", error);
    if (!error) return path;
    // No such entry is a process that is gone, as a closed window's is; one
    // that is there but may not be asked is the other failure.
    log.errorAt(error == std::errc::no_such_file_or_directory ? "Failed to obtain the target window handle"
                                                              : "Failed to obtain the target window filename");
    log.errorAt(error.message());
    return {};
}

}  // namespace vrx
