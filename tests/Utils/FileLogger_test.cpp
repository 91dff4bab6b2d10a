#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "Utils/FileLogger.h"

namespace vrx::test {
namespace {

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(FileLogger, WritesStampedLinesAfterAByteOrderMark) {
    const auto path = std::filesystem::temp_directory_path() / "vantorix-filelogger-test.log";
    {
        FileLogger log;
        log.info("before open goes nowhere");
        ASSERT_TRUE(log.open(path));
        log.info("ジョイスティック");
        log.debug("hidden");
        log.setDebugEnabled(true);
        log.debugf("value %d", 7);
        log.error("bad");
        log.close();
        log.error("after close");
    }
    const std::string text = readAll(path);
    std::filesystem::remove(path);
    ASSERT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
    const std::regex expected(
        "\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} Info   ジョイスティック\r\n"
        "\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} Debug  value 7\r\n"
        "\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} Error  bad\r\n"
        "Application terminated\r\n");
    EXPECT_TRUE(std::regex_match(text.substr(3), expected)) << text;
}

TEST(FileLogger, AFileThatCannotBeCreatedMeansNoLog) {
    FileLogger log;
    EXPECT_FALSE(log.open(std::filesystem::temp_directory_path() / "no-such-folder-vantorix" / "x.log"));
    log.error("nothing happens");
}

}  // namespace
}  // namespace vrx::test
