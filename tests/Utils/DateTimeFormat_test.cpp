#include "Utils/DateTimeFormat.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

constexpr LocalTime kAfternoon{
    .year = 2026, .month = 3, .day = 5, .weekday = 4, .hour = 14, .minute = 7, .second = 9, .millisecond = 0};

struct PictureCase {
    const char* picture;
    const char* expected;
};

void PrintTo(const PictureCase& c, std::ostream* out) { *out << '"' << c.picture << '"'; }

class EnglishDate : public testing::TestWithParam<PictureCase> {};
class EnglishTime : public testing::TestWithParam<PictureCase> {};

TEST_P(EnglishDate, WritesThePicture) {
    EXPECT_EQ(englishDateTimeFormat().date(kAfternoon, GetParam().picture), GetParam().expected);
}
TEST_P(EnglishTime, WritesThePicture) {
    EXPECT_EQ(englishDateTimeFormat().time(kAfternoon, GetParam().picture), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, EnglishDate,
    testing::Values(PictureCase{"d", "5"}, PictureCase{"dd", "05"}, PictureCase{"ddd", "Thu"},
                    PictureCase{"dddd", "Thursday"}, PictureCase{"dddddd", "Thursday05"}, PictureCase{"M", "3"},
                    PictureCase{"MM", "03"}, PictureCase{"MMM", "Mar"}, PictureCase{"MMMM", "March"},
                    PictureCase{"y", "26"}, PictureCase{"yy", "26"}, PictureCase{"yyyy", "2026"},
                    PictureCase{"yyyyy", "2026"}, PictureCase{"yyyy-MM-dd", "2026-03-05"},
                    // Letters that are not date letters, time letters among them, stay.
                    PictureCase{"dx", "5x"}, PictureCase{"dHms", "5Hms"}, PictureCase{"M月d日", "3月5日"}));

INSTANTIATE_TEST_SUITE_P(
    Pictures, EnglishTime,
    testing::Values(PictureCase{"h", "2"}, PictureCase{"hh", "02"}, PictureCase{"H", "14"}, PictureCase{"HH", "14"},
                    PictureCase{"m", "7"}, PictureCase{"mm", "07"}, PictureCase{"s", "9"}, PictureCase{"ss", "09"},
                    PictureCase{"t", "P"}, PictureCase{"tt", "PM"}, PictureCase{"HHH", "1414"},
                    PictureCase{"HH:mm:ss", "14:07:09"}, PictureCase{"hdMy", "2dMy"}));

TEST(EnglishDateTime, TheTwelveHourClockStartsAtTwelve) {
    LocalTime t = kAfternoon;
    t.hour = 0;
    EXPECT_EQ(englishDateTimeFormat().time(t, "h tt"), "12 AM");
    t.hour = 12;
    EXPECT_EQ(englishDateTimeFormat().time(t, "h tt"), "12 PM");
    t.year = 2005;
    EXPECT_EQ(englishDateTimeFormat().date(t, "y yy"), "5 05");
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
