#include <windows.h>

#include <gtest/gtest.h>

#include "Main/UiThreadHooks_win.h"

namespace vrx::test {
namespace {

TEST(UiThreadHooks, TheLastKeyDownOfTheThreadIsKeptWhicheverWindowItWentTo) {
    UiThreadHooks hooks;
    hooks.installKeyHook();
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    // Right Shift, then a system key (Alt+Enter on the number pad).
    PostMessageW(window, WM_KEYDOWN, VK_SHIFT, 0x00360001);
    PostMessageW(window, WM_KEYUP, VK_SHIFT, static_cast<LPARAM>(0xC0360001u));
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    EXPECT_EQ(hooks.lastKeyDown().virtualKey, VK_SHIFT);
    EXPECT_EQ(hooks.lastKeyDown().scanCode, 0x36);
    EXPECT_FALSE(hooks.lastKeyDown().extended);

    PostMessageW(window, WM_SYSKEYDOWN, VK_RETURN, 0x211C0001);
    // A look that leaves the message queued does not count it yet.
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    EXPECT_EQ(hooks.lastKeyDown().virtualKey, VK_SHIFT);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    EXPECT_EQ(hooks.lastKeyDown().virtualKey, VK_RETURN);
    EXPECT_TRUE(hooks.lastKeyDown().extended);
    EXPECT_FALSE(hooks.menuOpen());
    DestroyWindow(window);
}

}  // namespace
}  // namespace vrx::test
