#pragma once

#include <windows.h>

#include <string>

namespace vrx {

// The system's text for an error code, as the log's failure lines give it:
// without the line break the system ends it with, and as a number when the
// system has no text for it.
std::string systemErrorText(DWORD error);

}  // namespace vrx
