#pragma once

#include <windows.h>

#include <string>

namespace vrx {

// The system's text for an error code, for the log lines of the DirectInput
// and raw-input set-up.
std::string inputSystemErrorText(DWORD error);

}  // namespace vrx
