#include "Utils/IntList.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace vrx {
namespace {

using Values = std::array<int, 8>;
constexpr Values kBefore = {-1, 0, 0, 0, 0, 0, 6, 7};

struct ParseCase {
    const char* text;
    size_t count;
    Values expected;
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << '"' << c.text << "\" count " << c.count; }

class ParseIntListCase : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseIntListCase, ChangesOnlyTheValuesItCanRead) {
    const ParseCase& c = GetParam();
    Values values = kBefore;
    ParseIntList(c.text, std::span<int>(values.data(), c.count));
    EXPECT_EQ(values, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseIntListCase,
    testing::Values(ParseCase{"", 8, kBefore}, ParseCase{":::", 8, kBefore},
                    ParseCase{"1:2:3", 8, {1, 2, 3, 0, 0, 0, 6, 7}},
                    ParseCase{"5:x:7", 3, {5, 0, 7, 0, 0, 0, 6, 7}},
                    ParseCase{"1:2:3:4:5:6:7:8:9", 8, {1, 2, 3, 4, 5, 6, 7, 8}},
                    // Empty pieces do not count: the 2 goes to the second value.
                    ParseCase{":1::2:", 8, {1, 2, 0, 0, 0, 0, 6, 7}},
                    ParseCase{" -3: +4:5abc:-", 8, {-3, 4, 5, 0, 0, 0, 6, 7}},
                    // A number that no int holds keeps the value, as any other piece that is not one.
                    ParseCase{"2147483647:2147483648:-2147483649", 8, {2147483647, 0, 0, 0, 0, 0, 6, 7}},
                    // The count bounds the writes, not the text.
                    ParseCase{"9:9:9", 2, {9, 9, 0, 0, 0, 0, 6, 7}}, ParseCase{"9", 0, kBefore}));

TEST(JoinIntList, SeparatesWithColonsOnly) {
    EXPECT_EQ(JoinIntList(kBefore), "-1:0:0:0:0:0:6:7");
    const int one = -1;
    EXPECT_EQ(JoinIntList(std::span<const int>(&one, 1)), "-1");
    EXPECT_EQ(JoinIntList({}), "");
}

TEST(JoinIntList, ReadsBackAsTheSameValues) {
    const Values extremes = {INT32_MIN, INT32_MAX, 0, -7, 1, 2, 3, 4};
    Values back = kBefore;
    ParseIntList(JoinIntList(extremes), back);
    EXPECT_EQ(back, extremes);
}

}  // namespace
}  // namespace vrx
