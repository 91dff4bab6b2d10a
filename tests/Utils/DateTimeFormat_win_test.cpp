#include "Utils/DateTimeFormat.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

constexpr LocalTime kAfternoon{
    .year = 2026, .month = 3, .day = 5, .weekday = 4, .hour = 14, .minute = 7, .second = 9, .millisecond = 0};

// Numbers read alike in every language, so these hold whatever the user's is.
TEST(UserDateTimeFormat, WritesNumbersAsTheEnglishFormatDoes) {
    const DateTimeFormat& user = userDateTimeFormat();
    EXPECT_EQ(user.date(kAfternoon, "yyyy-MM-dd"), "2026-03-05");
    EXPECT_EQ(user.date(kAfternoon, "M月d日"), "3月5日");
    EXPECT_EQ(user.time(kAfternoon, "HH:mm:ss"), "14:07:09");
    EXPECT_EQ(user.time(kAfternoon, "H時m分"), "14時7分");
}

TEST(UserDateTimeFormat, ADayThatIsNotInTheCalendarIsNoDate) {
    LocalTime t = kAfternoon;
    t.month = 2;
    t.day = 30;
    EXPECT_EQ(userDateTimeFormat().date(t, "yyyy"), std::nullopt);
}

}  // namespace
}  // namespace vrx
