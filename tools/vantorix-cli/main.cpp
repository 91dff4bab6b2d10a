#include <iostream>
#include <span>
#include <string>

#include "Arguments.h"
#include "Simulator/SimulateCommand.h"

namespace {

constexpr const char* kUsage =
    "usage: vantorix-cli simulate PROFILE.cfg SCENARIO.txt [--log FILE] [--now YYYY-MM-DDTHH:MM:SS]\n";

}  // namespace

int main(int argc, char** argv) {
    vrx::useBinaryStandardOutput();
    const std::vector<std::string> args = vrx::commandLineArguments(argc, argv);
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    const std::span<const std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "simulate") return vrx::runSimulateCommand(rest, std::cout, std::cerr);
    std::cerr << "unknown command \"" << args[0] << "\"\n" << kUsage;
    return 2;
}
