#include "Arguments.h"

namespace vrx {

std::vector<std::string> commandLineArguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

void useBinaryStandardOutput() {}

}  // namespace vrx
