#include <gtest/gtest.h>

#include <limits>

#include "Utils/NumberFormat.h"

namespace vrx {
namespace {

TEST(FormatNumber3, DropsTrailingZerosOnly) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {10.0f, "10"},   {100.0f, "100"},  {2.5f, "2.5"},   {0.125f, "0.125"}, {0.0004f, "0"},
        {-1.5f, "-1.5"}, {0.0f, "0"},      {-0.0004f, "0"}, {1.0006f, "1.001"}, {1.9996f, "2"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNumber3(c.value), c.text) << c.value;
}

TEST(FormatNumber3, HugeValuesAreNotCutShort) {
    EXPECT_EQ(FormatNumber3(std::numeric_limits<float>::max()), "340282346638528859811704183484516925440");
    EXPECT_EQ(FormatNumber3(std::numeric_limits<float>::infinity()), "inf");
}

}  // namespace
}  // namespace vrx
