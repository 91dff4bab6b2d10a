#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace vrx {

// The running program: start-up, the main window and its message loop,
// and the shutdown that follows the window's end. Returns the exit code.
int runApplication(HINSTANCE instance, int showCommand, const std::vector<std::string>& arguments);

}  // namespace vrx
