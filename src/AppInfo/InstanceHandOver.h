#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "AppInfo/CommandLine.h"
#include "AppInfo/WindowMessages.h"

namespace vrx {

class AnsiCodePage;

// One message a second instance sends the running one. For WM_COPYDATA the
// data is the profile name in the ANSI code page with its NUL byte.
struct HandOverMessage {
    uint32_t message = 0;
    std::string data;
};

// What a second instance tells the first, in order: the profile to open,
// a new device detection, and showing the window.
std::vector<HandOverMessage> handOverMessages(const CommandLine& commandLine, const AnsiCodePage& ansi);

}  // namespace vrx
