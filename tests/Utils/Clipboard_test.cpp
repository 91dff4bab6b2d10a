#include "Utils/Clipboard.h"

#include <gtest/gtest.h>

#include "support/RecordingLogger.h"

namespace vrx {
namespace {

using test::RecordingLogger;

TEST(SetClipboardText, ReplacesTheText) {
    MemoryClipboard clipboard;
    RecordingLogger log;
    SetClipboardText(clipboard, "first", log);
    SetClipboardText(clipboard, "2026-03-05\r\nゲーム", log);
    EXPECT_EQ(clipboard.text(), "2026-03-05\r\nゲーム");
    EXPECT_TRUE(log.lines.empty());
}

TEST(SetClipboardText, ABusyClipboardKeepsItsTextAndIsLogged) {
    MemoryClipboard clipboard;
    RecordingLogger log;
    SetClipboardText(clipboard, "before", log);
    clipboard.setBusy(true);
    SetClipboardText(clipboard, "lost", log);
    EXPECT_EQ(clipboard.text(), "before");
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].level, LogLevel::Error);
    EXPECT_EQ(log.lines[0].text, "Failed to OpenClipboard");
}

}  // namespace
}  // namespace vrx
