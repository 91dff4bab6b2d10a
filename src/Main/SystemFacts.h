#pragma once

#include <functional>

namespace vrx {

// Whether the running system is at least the given Windows version, with
// service pack 0.
using VersionAtLeast = std::function<bool(int major, int minor)>;

// The start-up log line naming the Windows generation: the newest one the
// system is at least.
const char* windowsVersionLine(const VersionAtLeast& atLeast);

// The start-up log line saying with which rights the program runs.
const char* privilegeLine(bool administrator);

}  // namespace vrx
