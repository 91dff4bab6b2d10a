#pragma once

#include <cstdint>
#include <filesystem>

namespace vrx {

class Logger;

// The full path of the executable whose process owns the window
// (C:\Games\Game.exe); empty when it cannot be known. No window (0) is an
// ordinary state and logs nothing; a window whose process cannot be opened
// or asked logs two Error lines, each time. In the portable build, which
// has no windows, the number stands for a process id.
std::filesystem::path GetWindowExePath(uintptr_t window, Logger& log);

}  // namespace vrx
