#pragma once

#include <string>
#include <vector>

namespace vrx {

// The command-line arguments after the program name, as UTF-8.
std::vector<std::string> commandLineArguments(int argc, char** argv);

// Output goes out byte for byte, so a scenario's output is the same text on
// every system.
void useBinaryStandardOutput();

}  // namespace vrx
