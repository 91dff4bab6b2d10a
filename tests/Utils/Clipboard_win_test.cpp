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
        // Wine's own clipboard manager opens the clipboard for a moment
        // after each change, to hand it to X: the holder waits its turn.
        bool open = false;
        for (int attempt = 0; window && !open && attempt < 200; ++attempt) {
            open = OpenClipboard(window);
            if (!open) Sleep(5);
        }
        opened.set_value(open);
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
