#include <gtest/gtest.h>

#include <vector>

#include "Main/CopyDataMessage.h"
#include "Utils/AnsiCodePage.h"

namespace vrx::test {
namespace {

TEST(CopyDataMessage, ReadsNoFurtherThanTheSizeAndTheFirstZero) {
    const auto cp932 = makeAnsiCodePage("CP932");
    ASSERT_TRUE(cp932);
    EXPECT_EQ(copyDataText(nullptr, 100, *cp932), std::nullopt);
    EXPECT_EQ(copyDataText("Game", 0, *cp932), std::nullopt);
    EXPECT_EQ(copyDataText("Game\0junk", 9, *cp932), "Game");
    EXPECT_EQ(copyDataText("GameOver", 4, *cp932), "Game");  // no zero within the size
    EXPECT_EQ(copyDataText("\x83\x51\x81\x5B\x83\x80", 6, *cp932), "ゲーム");

    // A megabyte of bytes the code page has no characters for.
    const std::vector<char> hostile(1 << 20, '\xFF');
    const auto text = copyDataText(hostile.data(), hostile.size(), *cp932);
    ASSERT_TRUE(text);
    EXPECT_FALSE(text->empty());
}

}  // namespace
}  // namespace vrx::test
