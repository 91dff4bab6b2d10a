#include <iostream>
#include <span>
#include <string>
#include <string_view>

#include "Arguments.h"
#include "Cli/ProfileCommands.h"
#include "Cli/SimulateCommand.h"

namespace {

using Command = int (*)(std::span<const std::string>, std::ostream&, std::ostream&);

constexpr struct {
    std::string_view name;
    Command run;
} kCommands[] = {
    {"simulate", vrx::runSimulateCommand},
    {"describe", vrx::runDescribeCommand},
    {"resave", vrx::runResaveCommand},
};

constexpr const char* kUsage =
    "usage: vantorix-cli simulate PROFILE.cfg SCENARIO.txt [--log FILE] [--now YYYY-MM-DDTHH:MM:SS]\n"
    "       vantorix-cli describe PROFILE.cfg\n"
    "       vantorix-cli resave PROFILE.cfg [OUT.cfg]\n";

}  // namespace

int main(int argc, char** argv) {
    vrx::useBinaryStandardOutput();
    const std::vector<std::string> args = vrx::commandLineArguments(argc, argv);
    if (!args.empty())
        for (const auto& command : kCommands)
            if (args[0] == command.name)
                return command.run(std::span<const std::string>(args).subspan(1), std::cout, std::cerr);
    std::cerr << (args.empty() ? "" : "unknown command \"" + args[0] + "\"\n") << kUsage;
    return 2;
}
