#include <windows.h>

#include <gtest/gtest.h>

#include <future>
#include <string>
#include <thread>

#include "Utils/Clipboard.h"
#include "support/ClipboardText_win.h"
#include "support/RecordingLogger.h"

namespace vrx {
namespace {

using test::RecordingLogger;
using test::clipboardUnicodeText;

TEST(WindowsClipboard, HoldsTheTextAsUnicodeAndIsClosedAgain) {
    RecordingLogger log;
    SetClipboardText(systemClipboard(), "ゲーム\r\n2026", log);
    EXPECT_EQ(clipboardUnicodeText(), L"ゲーム\r\n2026");
    SetClipboardText(systemClipboard(), "", log);
    EXPECT_EQ(clipboardUnicodeText(), L"");
    EXPECT_TRUE(log.lines.empty());
}

TEST(WindowsClipboard, OpenElsewhereItIsLeftAlone) {
    RecordingLogger log;
    SetClipboardText(systemClipboard(), "kept", log);
    // A window of another thread holds the clipboard open, as another
    // program's would.
    std::promise<bool> opened;
    std::promise<void> done;
    std::thread holder([&] {
        const HWND window =
            CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        opened.set_value(window && OpenClipboard(window));
        done.get_future().wait();
        CloseClipboard();
        if (window) DestroyWindow(window);
    });
    const bool holderOpened = opened.get_future().get();
    SetClipboardText(systemClipboard(), "lost", log);
    done.set_value();
    holder.join();

    ASSERT_TRUE(holderOpened);
    EXPECT_EQ(clipboardUnicodeText(), L"kept");
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].text, "Failed to OpenClipboard");
}

}  // namespace
}  // namespace vrx
