#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "AppInfo/CommandLine.h"

namespace vrx {

class AnsiCodePage;

inline constexpr uint32_t kWmCopyData = 0x004A;
inline constexpr uint32_t kWmVrxRestore = 0x8065;          // WM_APP + 101
inline constexpr uint32_t kWmVrxRefreshDevices = 0x83FF;   // WM_APP + 1023

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
