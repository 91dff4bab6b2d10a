#include "Utils/Logger.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/RecordingLogger.h"

namespace vrx {
namespace {

using test::RecordingLogger;

// A line whose characters differ along its length, so a cut, a shift or a
// stale buffer shows up as a mismatch rather than passing by chance.
std::string patterned(size_t length) {
    std::string text(length, '\0');
    for (size_t i = 0; i < length; ++i) text[i] = static_cast<char>('a' + (i * 7 + i / 26) % 26);
    return text;
}

TEST(LoggerFormat, EachLevelGetsItsOwnFormattedLine) {
    RecordingLogger log;
    log.errorf("profile %s: %d errors", "Default", 3);
    log.infof("slot %d = %d", 56, -1000);
    log.debugf("tick %u", 42u);

    ASSERT_EQ(log.lines.size(), 3u);
    EXPECT_EQ(log.lines[0].level, LogLevel::Error);
    EXPECT_EQ(log.lines[0].text, "profile Default: 3 errors");
    EXPECT_EQ(log.lines[1].level, LogLevel::Info);
    EXPECT_EQ(log.lines[1].text, "slot 56 = -1000");
    EXPECT_EQ(log.lines[2].level, LogLevel::Debug);
    EXPECT_EQ(log.lines[2].text, "tick 42");
}

// The Windows build must format as the Linux one does: msvcrt's own printf
// family, which MinGW would otherwise call, predates C99's %zu and %lld.
TEST(LoggerFormat, SizeAndLongLongConversionsMatchC99) {
    RecordingLogger log;
    log.infof("%zu|%lld|%llu|%.3f|%5s|%-3d|%x", size_t{184}, -9000000000LL, 18000000000ULL, 0.5, "ab", 7, 255u);

    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].text, "184|-9000000000|18000000000|0.500|   ab|7  |ff");
}

TEST(LoggerFormat, PlainMessagesAreNotFormatted) {
    RecordingLogger log;
    log.info("100% of %s");
    log.debug("%d%%");

    ASSERT_EQ(log.lines.size(), 2u);
    EXPECT_EQ(log.lines[0].text, "100% of %s");
    EXPECT_EQ(log.lines[1].text, "%d%%");
}

// Lines that do not fit the 512-byte stack buffer are formatted a second
// time into the heap; the arguments must still be intact for that pass.
class LoggerLongLine : public testing::TestWithParam<size_t> {};

TEST_P(LoggerLongLine, ArrivesWholeWithArgumentsAfterTheLongPart) {
    const size_t length = GetParam();
    // "%s" takes length - 4 characters and "|%d" three more, plus the tail.
    const std::string body = patterned(length - 4);
    RecordingLogger log;
    log.errorf("%s|%d!", body.c_str(), 42);

    ASSERT_EQ(log.lines.size(), 1u);
    const std::string& text = log.lines[0].text;
    EXPECT_EQ(text.size(), length);
    EXPECT_EQ(text, body + "|42!");
    EXPECT_EQ(text.find('\0'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(AroundTheStackBuffer, LoggerLongLine,
                         testing::Values(size_t{510}, size_t{511}, size_t{512}, size_t{513}, size_t{1024},
                                         size_t{70000}));

// The position names the file without folders or extension and the line
// of the call itself, not one inside the logger.
TEST(LoggerPosition, EachLevelNamesTheCallersFileAndLine) {
    RecordingLogger log;
    const int line = __LINE__;
    log.errorAt("Failed to obtain the target window handle");
    log.infoAt("100% of %s");
    log.debugAt("");

    ASSERT_EQ(log.lines.size(), 3u);
    const std::string where = "Logger_test#";
    EXPECT_EQ(log.lines[0].level, LogLevel::Error);
    EXPECT_EQ(log.lines[0].text,
              "Failed to obtain the target window handle (" + where + std::to_string(line + 1) + ")");
    EXPECT_EQ(log.lines[1].level, LogLevel::Info);
    EXPECT_EQ(log.lines[1].text, "100% of %s (" + where + std::to_string(line + 2) + ")");
    EXPECT_EQ(log.lines[2].level, LogLevel::Debug);
    EXPECT_EQ(log.lines[2].text, " (" + where + std::to_string(line + 3) + ")");
}

TEST(LoggerPosition, ALongMessageArrivesWhole) {
    const std::string body = patterned(600);
    RecordingLogger log;
    const int line = __LINE__;
    log.errorAt(body);

    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].text, body + " (Logger_test#" + std::to_string(line + 1) + ")");
}

TEST(LoggerDebug, OffWritesNothing) {
    RecordingLogger log(/*debug=*/false);
    EXPECT_FALSE(log.debugEnabled());
    log.debug("plain");
    log.debugf("formatted %d", 1);
    log.debugf("%s", patterned(2000).c_str());
    log.debugAt("positioned");

    EXPECT_TRUE(log.lines.empty());
}

// The tick's Debug lines read fields of slots the tick would otherwise not
// touch: while Debug logging is off, their arguments must not be evaluated.
TEST(LoggerDebug, TheMacroEvaluatesNothingWhileOff) {
    RecordingLogger log(/*debug=*/false);
    int evaluated = 0;
    const auto argument = [&evaluated] { return ++evaluated; };
    VRX_DEBUGF(log, "value %d", argument());
    EXPECT_EQ(evaluated, 0);
    EXPECT_TRUE(log.lines.empty());

    log.setDebugEnabled(true);
    VRX_DEBUGF(log, "value %d", argument());
    EXPECT_EQ(evaluated, 1);
    EXPECT_TRUE(log.contains(LogLevel::Debug, "value 1"));
}

TEST(LoggerDebug, OffLeavesOtherLevelsAlone) {
    RecordingLogger log(/*debug=*/false);
    log.debugf("hidden %d", 1);
    log.infof("shown %d", 2);
    log.error("shown too");

    ASSERT_EQ(log.lines.size(), 2u);
    EXPECT_TRUE(log.texts(LogLevel::Debug).empty());
    EXPECT_TRUE(log.contains(LogLevel::Info, "shown 2"));
    EXPECT_TRUE(log.contains(LogLevel::Error, "shown too"));
}

TEST(LoggerDebug, SwitchingTakesEffectForTheNextLine) {
    RecordingLogger log(/*debug=*/false);
    log.debug("before");
    log.setDebugEnabled(true);
    log.debugf("during %d", 1);
    log.debug("during 2");
    log.setDebugEnabled(false);
    log.debugf("after %d", 3);

    EXPECT_EQ(log.texts(LogLevel::Debug), (std::vector<std::string>{"during 1", "during 2"}));
}

}  // namespace
}  // namespace vrx
