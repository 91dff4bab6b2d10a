#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Joybutton/LineScan.h"

namespace vrx {
namespace {

TEST(LineScan, ReadsLikeTheCLibrary) {
    int a = -7, b = -7;
    uint32_t h = 7;
    float f = -7.0f;
    EXPECT_EQ(scanFields("  12,\t-3 , ff, 2.5", "%d, %d, %X, %f", {&a, &b, &h, &f}), 2);
    EXPECT_EQ(a, 12);
    EXPECT_EQ(b, -3);
    EXPECT_EQ(h, 7u);  // " , ff": the comma must follow the number directly
    EXPECT_EQ(scanFields("12, -3, ff, 2.5e1", "%d, %d, %X, %f", {&a, &b, &h, &f}), 4);
    EXPECT_EQ(h, 0xFFu);
    EXPECT_EQ(f, 25.0f);

    uint32_t k[4] = {9, 9, 9, 9};
    EXPECT_EQ(scanFields("41:0x1E:a0", "%X:%X:%X:%X", {&k[0], &k[1], &k[2], &k[3]}), 3);
    EXPECT_EQ(k[0], 0x41u);
    EXPECT_EQ(k[1], 0x1Eu);
    EXPECT_EQ(k[2], 0xA0u);
    EXPECT_EQ(k[3], 9u);
}

TEST(LineScan, StopsWithoutTouchingLaterTargets) {
    int a = 5, b = 6;
    EXPECT_EQ(scanFields("", "%d, %d", {&a, &b}), 0);
    EXPECT_EQ(scanFields("x", "%d", {&a}), 0);
    EXPECT_EQ(scanFields("-", "%d", {&a}), 0);
    EXPECT_EQ(scanFields("1;2", "%d, %d", {&a, &b}), 1);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 6);
    // A format asking for more targets than given stops instead of writing anywhere.
    EXPECT_EQ(scanFields("3, 4", "%d, %d", {&a}), 1);
    EXPECT_EQ(a, 3);
    // A conversion whose target has another type is refused.
    float f = 1.0f;
    EXPECT_EQ(scanFields("3", "%d", {&f}), 0);
    EXPECT_EQ(f, 1.0f);
}

TEST(LineScan, HugeNumbersSaturate) {
    int a = 0;
    uint32_t h = 0;
    scanFields("99999999999999999999", "%d", {&a});
    EXPECT_EQ(a, std::numeric_limits<int32_t>::max());
    scanFields("-99999999999999999999", "%d", {&a});
    EXPECT_EQ(a, std::numeric_limits<int32_t>::min());
    scanFields("-2147483648", "%d", {&a});
    EXPECT_EQ(a, std::numeric_limits<int32_t>::min());
    scanFields("123456789ABCDEF", "%X", {&h});
    EXPECT_EQ(h, 0xFFFFFFFFu);
    scanFields("-1", "%X", {&h});
    EXPECT_EQ(h, 0xFFFFFFFFu);
    scanFields("0xg", "%X", {&h});
    EXPECT_EQ(h, 0u);

    float f = 0.0f;
    scanFields("1e99", "%f", {&f});
    EXPECT_TRUE(std::isinf(f));
    scanFields("-1e-99", "%f", {&f});
    EXPECT_EQ(f, 0.0f);
    scanFields("+3.", "%f", {&f});
    EXPECT_EQ(f, 3.0f);
    scanFields("2e+", "%f", {&f});
    EXPECT_EQ(f, 2.0f);
    scanFields("-inf", "%f", {&f});
    EXPECT_TRUE(std::isinf(f) && f < 0);
    EXPECT_EQ(scanFields(".", "%f", {&f}), 0);
}

TEST(LineScan, LeadingInteger) {
    EXPECT_EQ(leadingInteger("  10, ##x"), 10);
    EXPECT_EQ(leadingInteger("7x"), 7);
    EXPECT_EQ(leadingInteger("x7"), 0);
    EXPECT_EQ(leadingInteger(""), 0);
}

}  // namespace
}  // namespace vrx
