#include "ConfigFileManager/ButtonAlias.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "support/RecordingLogger.h"

namespace vrx {
namespace {

TEST(ButtonAliasTable, ValidateReplacesOutOfRangeEntries) {
    const std::pair<ButtonAliasEntry, bool> cases[] = {
        {{5, 200, -1}, false}, {{-1, -1, -1}, false}, {{184, -1, -1}, false}, {{5, 3, 184}, false},
        {{183, -1, -1}, true}, {{5, 183, 183}, true}, {{0, 0, 0}, true},      {{5, -7, -2}, true},
    };
    for (const auto& [entry, valid] : cases) {
        SCOPED_TRACE(testing::Message() << entry.first << "," << entry.second << "," << entry.third);
        ButtonAliasTable table;
        table.set(10, entry);
        test::RecordingLogger log;
        table.validate(log);
        EXPECT_EQ(table[10], valid ? entry : ButtonAliasTable::neutral(10));
        EXPECT_EQ(log.texts(LogLevel::Error),
                  valid ? std::vector<std::string>{}
                        : std::vector<std::string>{"Invalid ButtonAlias for input[10] is ignored"});
    }
}

using Values = std::initializer_list<std::pair<SlotIndex, int32_t>>;

struct RemapCase {
    int activeSlots;
    std::initializer_list<std::pair<int, ButtonAliasEntry>> entries;
    Values in;
    Values out;  // every other active slot must come out 0
};

TEST(ButtonAliasTable, RemapAppliesCombinationsInOrder) {
    constexpr int32_t on = kFullValue;
    const RemapCase cases[] = {
        {64, {}, {{1, 437}, {60, on}}, {{1, 437}, {60, on}}},
        {80, {{60, {70, -1, -1}}}, {{70, on}}, {{60, on}, {70, on}}},
        {64, {{60, {61, -5, -1}}}, {{61, 300}}, {{60, 300}, {61, 300}}},  // any negative second: plain
        // A pair before its members: they refill afterwards; after them: they stay released.
        {64, {{60, {61, 62, -1}}}, {{61, on}, {62, on}}, {{60, on}, {61, on}, {62, on}}},
        {64, {{63, {61, 62, -1}}}, {{61, on}, {62, on}}, {{63, on}}},
        {64, {{63, {61, 62, -1}}}, {{61, on}}, {{61, on}}},
        // Slots past activeSlots hold stale values and read as released.
        {64, {{60, {100, -1, -1}}}, {}, {}},
        {64, {{60, {61, 100, -1}}}, {{61, on}}, {{61, on}}},
        {80, {{70, {60, 61, 62}}}, {{60, on}, {61, on}}, {{60, on}, {61, on}}},
        {80, {{56, {60, 61, 62}}}, {{60, on}, {61, on}, {62, on}}, {{56, on}}},  // pass 2 wins
        {80,
         {{57, {60, 61, -1}}, {58, {60, 62, -1}}, {59, {61, 62, -1}}, {70, {60, 61, 62}}, {100, {60, 61, -1}}},
         {{60, on}, {61, on}, {62, on}},
         {{70, on}}},
        // Pairs named the other way round or sharing one member survive the triple.
        {80, {{57, {61, 60, -1}}, {58, {60, 63, -1}}, {70, {60, 61, 62}}}, {{60, on}, {61, on}, {62, on}, {63, on}},
         {{57, on}, {58, on}, {63, on}, {70, on}}},
        {64, {{70, {60, 61, 62}}}, {{60, on}, {61, on}, {62, on}}, {{60, on}, {61, on}, {62, on}}},
    };
    constexpr int32_t kStale = 555;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ButtonAliasTable table;
        for (const auto& [slot, entry] : c.entries) table.set(slot, entry);
        SlotValues in, out, expected{};
        in.fill(kStale);
        out.fill(kStale);
        for (int i = 0; i < kSlotCount; ++i) in[i] = expected[i] = i < c.activeSlots ? 0 : kStale;
        for (const auto& [slot, value] : c.in) in[slot] = value;
        for (const auto& [slot, value] : c.out) expected[slot] = value;

        table.remap(in, out, c.activeSlots);
        for (int i = 0; i < kSlotCount; ++i) EXPECT_EQ(out[i], expected[i]) << "slot " << i;
    }
}

}  // namespace
}  // namespace vrx
