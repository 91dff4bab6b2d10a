#include "Utils/FileLogger.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TempFolder.h"

namespace vrx::test {
namespace {

constexpr LocalTime kMoment{
    .year = 2024, .month = 5, .day = 1, .weekday = 3, .hour = 13, .minute = 2, .second = 3, .millisecond = 45};

TEST(FileLogger, WritesEachVariantByteForByte) {
    TempFolder folder;
    const FixedClock clock(kMoment);
    FileLogger log(clock);
    log.info("before open goes nowhere");
    ASSERT_TRUE(log.open(folder / "Vantorix.log"));
    const int line = __LINE__;
    log.infoAt("Initialized XInput");
    log.info("ジョイスティック");
    log.debug("hidden while Debug is off");
    log.setDebugEnabled(true);
    log.debugf("value %d", 7);
    log.errorf("%s", "50% done");
    log.close();
    log.error("after close");

    EXPECT_EQ(readBytes(folder / "Vantorix.log"),
              "\xEF\xBB\xBF"
              "2024/05/01 13:02:03.045 Info   Initialized XInput (FileLogger_test#" +
                  std::to_string(line + 1) +
                  ")\r\n"
                  "2024/05/01 13:02:03.045 Info   ジョイスティック\r\n"
                  "2024/05/01 13:02:03.045 Debug  value 7\r\n"
                  "2024/05/01 13:02:03.045 Error  50% done\r\n"
                  "Application terminated\r\n");
}

TEST(FileLogger, EveryFieldOfTheStampIsPadded) {
    TempFolder folder;
    const FixedClock clock(LocalTime{
        .year = 987, .month = 12, .day = 31, .weekday = 0, .hour = 23, .minute = 59, .second = 9, .millisecond = 999});
    FileLogger log(clock);
    ASSERT_TRUE(log.open(folder / "Vantorix.log"));
    log.error("x");
    log.close();
    EXPECT_EQ(readBytes(folder / "Vantorix.log"), "\xEF\xBB\xBF" "0987/12/31 23:59:09.999 Error  x\r\nApplication terminated\r\n");
}

TEST(FileLogger, EachStartTruncatesThePreviousLog) {
    TempFolder folder;
    const FixedClock clock(kMoment);
    const auto path = folder.write("Vantorix.log", "the previous run's lines, longer than the new file\r\n");
    FileLogger log(clock);
    ASSERT_TRUE(log.open(path));
    log.info("second start");
    log.close();
    EXPECT_EQ(readBytes(path), "\xEF\xBB\xBF" "2024/05/01 13:02:03.045 Info   second start\r\nApplication terminated\r\n");
}

TEST(FileLogger, AFileThatCannotBeCreatedMeansNoLog) {
    TempFolder folder;
    FileLogger log;
    EXPECT_FALSE(log.open(folder / "no-such-folder" / "x.log"));
    log.error("nothing happens");
    log.close();
    EXPECT_EQ(folder.listing(), "");
}

}  // namespace
}  // namespace vrx::test
