#include "Utils/ExpandText.h"

#include <gtest/gtest.h>

#include <string>

namespace vrx {
namespace {

constexpr LocalTime kAfternoon{
    .year = 2026, .month = 3, .day = 5, .weekday = 4, .hour = 14, .minute = 7, .second = 9, .millisecond = 0};

struct ExpandCase {
    const char* source;
    const char* expected;
};

void PrintTo(const ExpandCase& c, std::ostream* out) { *out << '"' << c.source << '"'; }

class ExpandTextCase : public testing::TestWithParam<ExpandCase> {};

TEST_P(ExpandTextCase, WritesLineBreaksAndVariables) {
    const FixedClock clock(kAfternoon);
    EXPECT_EQ(ExpandText(GetParam().source, clock, englishDateTimeFormat()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ExpandTextCase,
    testing::Values(
        ExpandCase{"a\\nb", "a\r\nb"}, ExpandCase{"\\n\\n", "\r\n\r\n"}, ExpandCase{"\\t\\", "\\t\\"},
        // No escape for the backslash itself: the first one stays, the second starts a line break.
        ExpandCase{"\\\\n", "\\\r\n"},
        ExpandCase{"${yyyy}-${MM}-${dd} ${HH}:${mm}:${ss}", "2026-03-05 14:07:09"},
        // A variable starts with a date or time letter: "tt" alone is none.
        ExpandCase{"${dddd}, ${MMMM} ${d} ${htt} ${tt}", "Thursday, March 5 2PM ${tt}"},
        ExpandCase{"${M月d日}", "3月5日"}, ExpandCase{"ゲーム ${HH}時", "ゲーム 14時"},
        // Not variables: copied from the "$" on, and what follows is read anew.
        ExpandCase{"${}", "${}"}, ExpandCase{"${abc}", "${abc}"}, ExpandCase{"${yyyy", "${yyyy"},
        ExpandCase{"${yy yy}", "${yy yy}"}, ExpandCase{"${yy1}", "${yy1}"}, ExpandCase{"$yyyy", "$yyyy"},
        ExpandCase{"$${yyyy}", "$2026"}, ExpandCase{"${${yyyy}}", "${2026}"}, ExpandCase{"${\\n}", "${\r\n}"},
        ExpandCase{"$", "$"}, ExpandCase{"${", "${"}, ExpandCase{"", ""}));

// Answers every picture with a text of a chosen length, or fails.
class FixedTextFormat final : public DateTimeFormat {
public:
    std::optional<std::string> answer;
    std::optional<std::string> date(const LocalTime&, std::string_view) const override { return answer; }
    std::optional<std::string> time(const LocalTime&, std::string_view) const override { return answer; }
};

TEST(ExpandText, AFailedFormattingLeavesTheVariableAsText) {
    const FixedClock clock(kAfternoon);
    FixedTextFormat format;
    EXPECT_EQ(ExpandText("a${yyyy}b", clock, format), "a${yyyy}b");
}

// The system functions write at most 63 characters; a longer answer is
// taken as a failure on every system alike.
TEST(ExpandText, AVariableTextIsAtMostSixtyThreeCharacters) {
    const FixedClock clock(kAfternoon);
    FixedTextFormat format;
    format.answer = std::string(63, 'x');
    EXPECT_EQ(ExpandText("${d}", clock, format), std::string(63, 'x'));
    format.answer = std::string(64, 'x');
    EXPECT_EQ(ExpandText("${d}", clock, format), "${d}");
    // Characters, not bytes: 63 kana are 189 bytes of UTF-8.
    std::string kana;
    for (int i = 0; i < 63; ++i) kana += "ゲ";
    format.answer = kana;
    EXPECT_EQ(ExpandText("${d}", clock, format), kana);
}

// Far more than the twice-the-source-plus-1024 a fixed buffer would hold.
TEST(ExpandText, TheResultGrowsWithManyLongVariables) {
    const FixedClock clock(kAfternoon);
    FixedTextFormat format;
    format.answer = std::string(63, 'x');
    std::string source;
    for (int i = 0; i < 1000; ++i) source += "${d}";
    const std::string result = ExpandText(source, clock, format);
    EXPECT_EQ(result.size(), 63000u);
    EXPECT_EQ(result.find_first_not_of('x'), std::string::npos);
}

// A clock that moves on each time it is read.
class TickingClock final : public Clock {
public:
    LocalTime now() const override {
        LocalTime t = kAfternoon;
        t.second = reads++;
        return t;
    }
    mutable int reads = 0;
};

TEST(ExpandText, ReadsTheClockOnceForTheWholeText) {
    TickingClock clock;
    EXPECT_EQ(ExpandText("${ss} ${ss} ${ss}", clock, englishDateTimeFormat()), "00 00 00");
    EXPECT_EQ(clock.reads, 1);
    EXPECT_EQ(ExpandText("no variables\\n", clock, englishDateTimeFormat()), "no variables\r\n");
    EXPECT_EQ(clock.reads, 1);
}

}  // namespace
}  // namespace vrx
