#pragma once

#include <iosfwd>
#include <span>
#include <string>

namespace vrx {

// "simulate PROFILE.cfg SCENARIO.txt [--log FILE] [--now YYYY-MM-DDTHH:MM:SS]":
// the profile's folder is the data directory (its profiles and its
// Vantorix.ini). Returns the exit status: 0, or 2 for a bad command line or
// scenario, with the reason on err.
int runSimulateCommand(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace vrx
