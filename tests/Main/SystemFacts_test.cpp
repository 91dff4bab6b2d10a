#include <gtest/gtest.h>

#include <string>

#include "Main/SystemFacts.h"

namespace vrx::test {
namespace {

TEST(SystemFacts, TheNewestGenerationTheSystemReachesNamesIt) {
    struct Case {
        int major, minor;
        const char* line;
    };
    const Case cases[] = {
        {11, 0, "Windows 10 or later"}, {10, 0, "Windows 10 or later"}, {6, 3, "Windows 8.1"},
        {6, 2, "Windows 8.0"},          {6, 1, "Windows 7"},            {6, 0, "Windows Vista"},
        {5, 1, "Windows XP or earlier"},
    };
    for (const Case& c : cases) {
        const auto atLeast = [&](int major, int minor) {
            return c.major > major || (c.major == major && c.minor >= minor);
        };
        EXPECT_EQ(std::string(windowsVersionLine(atLeast)), c.line) << c.major << "." << c.minor;
    }
}

}  // namespace
}  // namespace vrx::test
