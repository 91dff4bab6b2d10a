#include "Utils/DateTimeFormat.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace vrx {
namespace {

constexpr std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                                                     "July",    "August",   "September", "October", "November",
                                                     "December"};

void appendNumber(std::string& out, int value, bool twoDigits) {
    char digits[16];
    std::snprintf(digits, sizeof digits, twoDigits ? "%02d" : "%d", value);
    out += digits;
}

// A run of one picture letter is read in pieces of at most `longest`, as
// the Windows functions do: "dddddd" is "dddd" and then "dd".
template <typename WritePiece>
std::string formatPicture(std::string_view picture, std::string_view letters, WritePiece writePiece) {
    std::string out;
    for (size_t i = 0; i < picture.size();) {
        const char letter = picture[i];
        if (letters.find(letter) == std::string_view::npos) {
            out += letter;
            ++i;
            continue;
        }
        size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == letter) ++run;
        i += run;
        const size_t longest = letter == 'y' ? 5 : letter == 'd' || letter == 'M' ? 4 : 2;
        for (; run > 0; run -= std::min(run, longest)) writePiece(out, letter, std::min(run, longest));
    }
    return out;
}

class EnglishDateTimeFormat final : public DateTimeFormat {
public:
    std::optional<std::string> date(const LocalTime& t, std::string_view picture) const override {
        if (t.month < 1 || t.month > 12 || t.weekday < 0 || t.weekday > 6) return std::nullopt;
        return formatPicture(picture, "dMyg", [&t](std::string& out, char letter, size_t count) {
            const std::string_view day = kDayNames[static_cast<size_t>(t.weekday)];
            const std::string_view month = kMonthNames[static_cast<size_t>(t.month - 1)];
            switch (letter) {
                case 'd':
                    if (count <= 2) appendNumber(out, t.day, count == 2);
                    else out += count == 3 ? day.substr(0, 3) : day;
                    break;
                case 'M':
                    if (count <= 2) appendNumber(out, t.month, count == 2);
                    else out += count == 3 ? month.substr(0, 3) : month;
                    break;
                case 'y':
                    if (count <= 2) appendNumber(out, t.year % 100, count == 2);
                    else appendNumber(out, t.year, false);
                    break;
                default: out += "A.D."; break;
            }
        });
    }

    std::optional<std::string> time(const LocalTime& t, std::string_view picture) const override {
        return formatPicture(picture, "hHmst", [&t](std::string& out, char letter, size_t count) {
            const bool twoDigits = count == 2;
            switch (letter) {
                case 'h': appendNumber(out, t.hour % 12 == 0 ? 12 : t.hour % 12, twoDigits); break;
                case 'H': appendNumber(out, t.hour, twoDigits); break;
                case 'm': appendNumber(out, t.minute, twoDigits); break;
                case 's': appendNumber(out, t.second, twoDigits); break;
                default: out += std::string_view(t.hour < 12 ? "AM" : "PM").substr(0, count); break;
            }
        });
    }
};

}  // namespace

const DateTimeFormat& englishDateTimeFormat() {
    static const EnglishDateTimeFormat format;
    return format;
}

}  // namespace vrx
