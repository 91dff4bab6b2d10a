#include "Joybutton/LineFormat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vrx {
namespace {

std::string printed(const char* format, auto value) {
    char text[128];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

template <class Piece>
std::string written(Piece piece) {
    std::string out = "x";
    appendPieces(out, piece);
    return out.substr(1);
}

// Saved files must not change when the line writer stopped using printf:
// every number a line holds comes out as printf wrote it.
TEST(LineFormat, WritesDecimalsAsPrintfDoes) {
    for (int value : {0, 7, -7, 42, -42, 999, 1000, -1000, 12345, INT_MAX, INT_MIN}) {
        EXPECT_EQ(written(Decimal{value}), printed("%d", value));
        EXPECT_EQ(written(Decimal{value, 1}), printed("%1d", value));
        EXPECT_EQ(written(Decimal{value, 2}), printed("%2d", value));
        EXPECT_EQ(written(Decimal{value, 4}), printed("%4d", value));
        EXPECT_EQ(written(Decimal{value, 12}), printed("%12d", value));
        EXPECT_EQ(written(Decimal{value, 30}), printed("%30d", value));
    }
}

TEST(LineFormat, WritesHexAsPrintfDoes) {
    for (uint32_t value : {0u, 0xAu, 0x1Bu, 0xFFu, 0x100u, 0x803u, 0x1E0041u, 0xFFFFFFFFu}) {
        EXPECT_EQ(written(Hex{value}), printed("%X", value));
        EXPECT_EQ(written(Hex{value, 2}), printed("%02X", value));
        EXPECT_EQ(written(Hex{value, 16}), printed("%016X", value));
        EXPECT_EQ(written(Hex{value, 30}), printed("%030X", value));
    }
}

TEST(LineFormat, WritesFloatsAsPrintfDoes) {
    const float values[] = {0.0f,   -0.0f,    0.5f,     0.0005f, 0.0015f, 2.5f,    -2.25f,  1.05f, 33.333f,
                            50.0f,  99.9999f, 1234.5f,  1e-7f,   1e7f,    3.0e38f, FLT_MAX, -FLT_MAX,
                            FLT_MIN, std::numeric_limits<float>::denorm_min()};
    for (float value : values) {
        const double promoted = value;
        EXPECT_EQ(written(Fixed{value, 3}), printed("%.3f", promoted)) << value;
        EXPECT_EQ(written(Fixed{value, 1, 3}), printed("%3.1f", promoted)) << value;
        EXPECT_EQ(written(Fixed{value}), printed("%f", promoted)) << value;
    }
    EXPECT_EQ(written(Fixed{INFINITY, 3}), "inf");
    EXPECT_EQ(written(Fixed{-INFINITY, 3}), "-inf");
    EXPECT_EQ(written(Fixed{NAN, 1, 5}), "  nan");
}

// Pieces are gathered before they reach the line: none may be lost or
// reordered where they overflow what is gathered at once.
TEST(LineFormat, PiecesOfAnyLengthKeepTheirOrder) {
    const std::string a(250, 'a');
    const std::string b(300, 'b');
    std::string out = "x";
    appendPieces(out, a, Decimal{5, 4}, ", ", b, Hex{0xAB, 4}, Fixed{-FLT_MAX, 3, 300}, a);
    const std::string widest = printed("%.3f", -FLT_MAX);
    EXPECT_EQ(out, "x" + a + "   5, " + b + "00AB" + std::string(300 - widest.size(), ' ') + widest + a);
}

}  // namespace
}  // namespace vrx
