#include "Utils/Clock.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

TEST(LocalTimeFromIso, ReadsEveryFieldAndWorksOutTheWeekday) {
    const auto time = localTimeFromIso("2026-03-05T14:07:09");
    ASSERT_TRUE(time);
    EXPECT_EQ(time->year, 2026);
    EXPECT_EQ(time->month, 3);
    EXPECT_EQ(time->day, 5);
    EXPECT_EQ(time->weekday, 4);  // a Thursday
    EXPECT_EQ(time->hour, 14);
    EXPECT_EQ(time->minute, 7);
    EXPECT_EQ(time->second, 9);
    EXPECT_EQ(time->millisecond, 0);
    EXPECT_EQ(localTimeFromIso("2024-02-29T00:00:00")->weekday, 4);
    EXPECT_EQ(localTimeFromIso("2000-01-02T23:59:59")->weekday, 0);
}

TEST(LocalTimeFromIso, RefusesWhatIsNoMoment) {
    for (const char* text : {"", "2026-03-05 14:07:09", "2026-03-05T14:07", "2026-03-05T14:07:090", "2026-3-05T14:07:09",
                             "2026-13-01T00:00:00", "2026-00-10T00:00:00", "2025-02-29T00:00:00", "2026-04-31T00:00:00",
                             "2026-01-01T24:00:00", "2026-01-01T00:60:00", "2026-01-01T00:00:60", "0000-01-01T00:00:00",
                             "20x6-01-01T00:00:00", "2026-01-01T-1:00:00"})
        EXPECT_FALSE(localTimeFromIso(text)) << text;
}

}  // namespace
}  // namespace vrx
