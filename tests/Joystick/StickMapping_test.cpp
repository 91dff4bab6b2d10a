#include "Joystick/StickMapping.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

namespace vrx {
namespace {

using Writes = std::initializer_list<std::pair<SlotIndex, int32_t>>;

// Compares every slot, so a stray write into a neighbouring slot fails too.
void expectSlots(const SlotValues& actual, Writes expected) {
    SlotValues want{};
    for (const auto& [slot, value] : expected) want[slot] = value;
    for (int i = 0; i < kSlotCount; ++i) EXPECT_EQ(actual[i], want[i]) << "slot " << i;
}

struct StickCase {
    int stick, x, y, deadZone, threshold;
    bool diagonals;
    Writes slots;
    int axisX, axisY;
};

TEST(StickMapping, WritesSlotsAndRescalesAxes) {
    const StickCase cases[] = {
        {0, 150, 0, 100, 200, false, {}, 0, 0},            // inside h = max(threshold, dead zone)
        {0, 250, 0, 100, 200, false, {{1, 250}}, 15, 0},   // ring 200..1000 stretched to 0..1000
        {0, 250, 0, 300, 0, false, {}, 0, 0},              // the dead zone can be the larger one
        {0, 200, 0, 100, 200, false, {}, 0, 0},            // equal to h is not past it
        {0, -200, 0, 100, 200, false, {}, 0, 0},
        {0, 0, 1000, 0, 200, false, {{3, 1000}}, 0, 1000},
        {0, 500, -500, 0, 200, false, {{1, 500}, {2, 500}}, 316, -316},
        {0, 1200, 0, 0, 200, false, {{1, 1200}}, 1200, 0},  // slot values are not clamped
        {0, 1, 0, 0, 0, false, {{1, 1}}, 1, 0},             // zero threshold: no rescaling
        {0, 1000, 0, 0, 1000, false, {{1, 1000}}, 1000, 0}, // h is 999, full deflection presses
        {0, 999, 0, 0, 1000, false, {}, 0, 0},
        {1, 250, -600, 0, 200, false, {{5, 250}, {6, 600}}, 140, -337},

        {0, 500, -500, 0, 200, true, {{48, 707}}, 500, -500},
        {0, -500, -500, 0, 200, true, {{49, 707}}, -500, -500},
        {0, -500, 500, 0, 200, true, {{50, 707}}, -500, 500},
        {0, 500, 500, 0, 200, true, {{51, 707}}, 500, 500},
        {0, -700, 100, 0, 200, true, {{0, 707}}, -700, 100},  // steep: a direction with the length
        {0, 0, -800, 0, 200, true, {{2, 800}}, 0, -800},
        {0, 60, 25, 0, 20, true, {{1, 65}}, 60, 25},   // exactly 2.4 (2.4f would say diagonal)
        {0, -25, 60, 0, 20, true, {{3, 65}}, -25, 60},
        {0, 599, 250, 0, 20, true, {{51, 649}}, 599, 250},
        {0, 142, 142, 0, 200, true, {}, 142, 142},     // 200.8 truncates to h
        {0, 143, 143, 0, 200, true, {{51, 202}}, 143, 143},
        {0, 1000, 1000, 0, 200, true, {{51, 1000}}, 1000, 1000},
        {0, 1000, 0, 0, 1000, true, {{1, 1000}}, 1000, 0},
        {1, 500, -500, 0, 200, true, {{52, 707}}, 500, -500},
        {1, -800, 0, 0, 200, true, {{4, 800}}, -800, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "stick " << c.stick << " (" << c.x << "," << c.y << ") threshold "
                                        << c.threshold << " diagonals " << c.diagonals);
        SlotValues slots{};
        int32_t axes[2] = {c.x, c.y};
        StickMapping(c.stick, axes, c.deadZone, StickSettings{c.threshold, c.diagonals}, slots);
        expectSlots(slots, c.slots);
        EXPECT_EQ(axes[0], c.axisX);
        EXPECT_EQ(axes[1], c.axisY);
    }
}

struct SlotCase {
    int index;       // axis number, hat or button
    uint32_t input;  // axis value, hat angle or pressed
    int setting;     // threshold, eight-way or number of buttons
    Writes slots;
};

template <typename Map>
void checkSlots(std::initializer_list<SlotCase> cases, Map map) {
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "index " << c.index << " input " << static_cast<int32_t>(c.input));
        SlotValues slots{};
        map(c, slots);
        expectSlots(slots, c.slots);
    }
}

TEST(ExtraAxisMapping, PressesPastThresholdOnly) {
    checkSlots({{5, uint32_t(-300), 200, {{8, 300}}}, {5, 300, 200, {{9, 300}}}, {5, 200, 200, {}},
                {6, uint32_t(-200), 200, {}}, {8, 1000, 20, {{15, 1000}}}, {9, 1000, 20, {}},
                {7, 30, -50, {}}},  // a negative threshold never writes a negative value
               [](const SlotCase& c, SlotValues& s) { ExtraAxisMapping(int32_t(c.input), c.index, c.setting, s); });
}

TEST(PovMapping, PressesEverySectorContainingTheAngle) {
    constexpr int32_t on = kFullValue;
    checkSlots({{0, 0, 1, {{16, on}}}, {0, 2250, 1, {{16, on}, {17, on}}}, {0, 2251, 1, {{17, on}}},
                {0, 33749, 1, {{23, on}}}, {0, 33750, 1, {{16, on}, {23, on}}},
                {0, 36000, 1, {{16, on}}}, {0, 36001, 1, {}}, {0, 65535, 1, {}}, {0, 0xFFFFFFFF, 1, {}},
                {3, 18000, 1, {{44, on}}}, {0, 4499, 0, {{16, on}}}, {0, 4500, 0, {{16, on}, {18, on}}},
                {0, 9000, 0, {{18, on}}}, {0, 13500, 0, {{18, on}, {20, on}}}, {0, 22500, 0, {{20, on}, {22, on}}},
                {0, 31500, 0, {{22, on}, {16, on}}}, {1, 27000, 0, {{30, on}}},
                {0, 65535, 0, {}}},
               [](const SlotCase& c, SlotValues& s) { PovMapping(c.index, c.input, c.setting != 0, s); });
}

TEST(ButtonMapping, WritesOnlyPressedButtonsInUse) {
    checkSlots({{0, 1, 32, {{56, 1000}}}, {31, 1, 32, {{87, 1000}}}, {32, 1, 32, {}}, {0, 1, 0, {}},
                {5, 0, 32, {}}, {127, 1, 128, {{183, 1000}}}},
               [](const SlotCase& c, SlotValues& s) { ButtonMapping(c.index, c.input != 0, c.setting, s); });
}

}  // namespace
}  // namespace vrx
