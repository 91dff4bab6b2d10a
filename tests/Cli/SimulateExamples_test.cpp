#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Cli/SimulateCommand.h"

namespace vrx::test {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Each example scenario names its profile in its first line, the command
// that runs it; its output is kept beside it and must not change unnoticed.
TEST(SimulatorExamples, PrintExactlyTheCheckedInOutput) {
    int examples = 0;
    for (const auto& folder : fs::directory_iterator(VANTORIX_EXAMPLES_DIR)) {
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            if (entry.path().extension() != ".txt") continue;
            std::istringstream firstLine(readFile(entry.path()));
            std::string hash, program, command, profile;
            firstLine >> hash >> program >> command >> profile;
            ASSERT_EQ(command, "simulate") << entry.path();

            const std::vector<std::string> args = {(folder.path() / profile).string(), entry.path().string()};
            std::ostringstream out, err;
            EXPECT_EQ(runSimulateCommand(args, out, err), 0) << err.str();
            fs::path expected = entry.path();
            expected.replace_extension(".expected");
            EXPECT_EQ(out.str(), readFile(expected)) << entry.path();
            ++examples;
        }
    }
    EXPECT_GE(examples, 2);
}

}  // namespace
}  // namespace vrx::test
