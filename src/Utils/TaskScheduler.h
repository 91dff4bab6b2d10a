#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vrx {

class Logger;

// The logon task that starts Vantorix with the highest rights when the user
// logs on: one task named "Vantorix" in the task scheduler's root folder,
// which is the only place it is kept. Each call sets up COM for the calling
// thread and leaves it as it was; a failure is logged and answers false.
bool CreateAutoStartTask(Logger& log);
bool DeleteAutoStartTask(Logger& log);
// Logs only when the task service cannot be reached: a missing task is the
// ordinary answer no.
bool AutoStartTaskExists(Logger& log);

// How a failed COM call is logged: "GetFolder failed (HRESULT=0x80070005):
// Access is denied." The system's description loses the line break it ends
// with; a code the system cannot describe gets the words COM itself uses.
std::string comErrorLine(std::string_view step, uint32_t result, std::string_view systemDescription);

}  // namespace vrx
