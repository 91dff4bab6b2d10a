#include "Utils/DateTimeFormat.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

constexpr LocalTime kAfternoon{
    .year = 2026, .month = 3, .day = 5, .weekday = 4, .hour = 14, .minute = 7, .second = 9, .millisecond = 0};

TEST(EnglishDateTime, WritesDatePictures) {
    const DateTimeFormat& english = englishDateTimeFormat();
    EXPECT_EQ(english.date(kAfternoon, "d dd ddd dddd"), "5 05 Thu Thursday");
    EXPECT_EQ(english.date(kAfternoon, "M MM MMM MMMM"), "3 03 Mar March");
    EXPECT_EQ(english.date(kAfternoon, "y yy yyyy yyyyy"), "26 26 2026 2026");
    // A long run is read in pieces of the longest picture.
    EXPECT_EQ(english.date(kAfternoon, "dddddd"), "Thursday05");
    // Letters that are not date letters, time letters among them, stay.
    EXPECT_EQ(english.date(kAfternoon, "dxHms"), "5xHms");
    EXPECT_EQ(english.date(kAfternoon, "M月d日"), "3月5日");
}

TEST(EnglishDateTime, WritesTimePictures) {
    const DateTimeFormat& english = englishDateTimeFormat();
    EXPECT_EQ(english.time(kAfternoon, "h hh H HH t tt"), "2 02 14 14 P PM");
    EXPECT_EQ(english.time(kAfternoon, "m mm s ss dMy"), "7 07 9 09 dMy");
    LocalTime t = kAfternoon;
    t.hour = 0;
    EXPECT_EQ(english.time(t, "h tt"), "12 AM");
    t.hour = 12;
    EXPECT_EQ(english.time(t, "h tt"), "12 PM");
}

TEST(EnglishDateTime, AMonthOrWeekdayOutsideTheCalendarIsNoDate) {
    LocalTime t = kAfternoon;
    t.month = 13;
    EXPECT_EQ(englishDateTimeFormat().date(t, "MMMM"), std::nullopt);
    t = kAfternoon;
    t.weekday = 7;
    EXPECT_EQ(englishDateTimeFormat().date(t, "dddd"), std::nullopt);
}

}  // namespace
}  // namespace vrx
