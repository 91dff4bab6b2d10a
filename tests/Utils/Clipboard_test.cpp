#include "Utils/Clipboard.h"

#include <gtest/gtest.h>

#include "support/RecordingLogger.h"

namespace vrx {
namespace {

using test::RecordingLogger;

TEST(SetClipboardText, ReplacesTheTextUnlessTheClipboardIsBusy) {
    MemoryClipboard clipboard;
    RecordingLogger log;
    SetClipboardText(clipboard, "first", log);
    SetClipboardText(clipboard, "2026-03-05\r\nゲーム", log);
    EXPECT_EQ(clipboard.text(), "2026-03-05\r\nゲーム");
    EXPECT_TRUE(log.lines.empty());

    clipboard.setBusy(true);
    SetClipboardText(clipboard, "lost", log);
    EXPECT_EQ(clipboard.text(), "2026-03-05\r\nゲーム");
    EXPECT_EQ(log.texts(LogLevel::Error), std::vector<std::string>{"Failed to OpenClipboard"});
}

}  // namespace
}  // namespace vrx
