#include <gtest/gtest.h>

#include "EngineTypes/ButtonNames.h"

namespace vrx {
namespace {

TEST(SlotName, NamesEveryRegionOfTheLayout) {
    const struct {
        SlotIndex slot;
        const char* name;
    } cases[] = {
        {0, "Stick1: ←"},   {3, "Stick1: ↓"},    {4, "Stick2: ←"},    {7, "Stick2: ↓"},
        {8, "Axis5(<0)"},   {9, "Axis5(>0)"},    {10, "Axis6(<0)"},   {12, "Slider1(<0)"},
        {15, "Slider2(>0)"}, {16, "POV: ↑"},     {17, "POV: ↗"},      {23, "POV: ↖"},
        {24, "POV2: ↑"},    {28, "POV2: ↓"},     {39, "POV3: ↖"},     {40, "POV4: ↑"},
        {47, "POV4: ↖"},    {48, "Stick1: ↗"},   {49, "Stick1: ↖"},   {51, "Stick1: ↘"},
        {52, "Stick2: ↗"},  {55, "Stick2: ↘"},   {56, "Button 1"},    {183, "Button 128"},
        {-1, ""},           {184, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(SlotName(c.slot), c.name) << "slot " << c.slot;
}

TEST(ButtonLabel, TemplateNamesWhereTheTemplateHasThem) {
    const ButtonTemplateNames pad{"A", "B", "X"};
    EXPECT_EQ(ButtonLabel(56, &pad), "[1] A");
    EXPECT_EQ(ButtonLabel(58, &pad), "[3] X");
    EXPECT_EQ(ButtonLabel(59, &pad), "[4] Button");
    EXPECT_EQ(ButtonLabel(183, &pad), "[128] Button");
    EXPECT_EQ(ButtonLabel(56, nullptr), "[1] Button");
    const ButtonTemplateNames empty;
    EXPECT_EQ(ButtonLabel(56, &empty), "[1] Button");
}

TEST(ButtonLabel, FixedSlotsIgnoreTheTemplate) {
    const ButtonTemplateNames pad{"A"};
    EXPECT_EQ(ButtonLabel(0, &pad), "Stick1: ←");
    EXPECT_EQ(ButtonLabel(55, nullptr), "Stick2: ↘");
    EXPECT_EQ(ButtonLabel(-5, &pad), "");
    EXPECT_EQ(ButtonLabel(184, &pad), "");
}

}  // namespace
}  // namespace vrx
