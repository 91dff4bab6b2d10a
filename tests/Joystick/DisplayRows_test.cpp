#include "Joystick/DisplayRows.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace vrx {
namespace {

using Rows = std::vector<SlotIndex>;

// Rows from inclusive ranges, with step 2 for a four-way hat's cardinals.
Rows rows(std::initializer_list<std::pair<SlotIndex, SlotIndex>> ranges, std::initializer_list<SlotIndex> fourWay = {}) {
    Rows result;
    for (const auto& [first, last] : ranges)
        for (SlotIndex s = first; s <= last; ++s) result.push_back(s);
    for (SlotIndex base : fourWay)
        for (int d = 0; d < 8; d += 2) result.push_back(base + d);
    return result;
}

Rows operator+(Rows a, const Rows& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct DisplayCase {
    int mode;
    bool diagonals1, diagonals2, pov8Way;
    int buttons;
    Rows expected;
};

TEST(DisplayedSlots, ListsRowsInOrder) {
    const DisplayCase cases[] = {
        {0, false, false, false, 2, rows({{0, 3}, {56, 57}})},
        {0, true, true, true, 1, rows({{0, 3}, {48, 51}, {56, 56}})},  // no second stick, no hat
        {1, false, false, false, 0, rows({{0, 3}}, {16})},
        {1, false, false, true, 0, rows({{0, 3}, {16, 23}})},
        {2, true, true, false, 3, rows({{0, 3}, {48, 51}, {4, 7}, {52, 55}}, {16}) + rows({{56, 58}})},
        {3, false, false, true, 128, rows({{0, 47}, {56, 183}})},
        {3, false, true, false, 0, rows({{0, 7}, {52, 55}, {8, 15}}, {16, 24, 32, 40})},
        {7, true, false, true, 1, rows({{0, 3}, {48, 51}, {56, 56}})},  // unknown modes show mode 0
        {-1, false, false, false, 500, rows({{0, 3}, {56, 183}})},
        {0, false, false, false, -4, rows({{0, 3}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ProfileSettings settings;
        settings.displayMode = c.mode;
        settings.useDiagonalInput = c.diagonals1;
        settings.useDiagonalInput2 = c.diagonals2;
        settings.usePOV8Way = c.pov8Way;
        settings.numberOfButtons = c.buttons;
        EXPECT_EQ(displayedSlots(settings), c.expected);
    }
}

TEST(DisplayModeName, NamesKnownModesOnly) {
    const std::pair<int, std::string> cases[] = {
        {0, "スティック×１"}, {1, "スティック×１ ＋ ＰＯＶ×１"}, {2, "スティック×２ ＋ ＰＯＶ×１"},
        {3, "すべての軸を表示（８軸＋ＰＯＶ×４）"}, {4, ""}, {-1, ""},
    };
    for (const auto& [mode, name] : cases) EXPECT_EQ(std::string(displayModeName(mode)), name) << "mode " << mode;
}

}  // namespace
}  // namespace vrx
