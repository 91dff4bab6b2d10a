#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Utils/Clock.h"

namespace vrx {

// Dates and times written by the picture letters of the Windows date and
// time functions: "d" to "dddd" day (number, short and long name), "M" to
// "MMMM" month, "y", "yy", "yyyy" year and "g" era in a date; "h"/"hh" 12-hour,
// "H"/"HH" 24-hour, "m"/"mm", "s"/"ss", "t"/"tt" the AM/PM mark in a time.
// Every other character of a picture is copied as it is.
class DateTimeFormat {
public:
    virtual ~DateTimeFormat() = default;
    // Nothing when the moment cannot be written with the picture.
    virtual std::optional<std::string> date(const LocalTime& time, std::string_view picture) const = 0;
    virtual std::optional<std::string> time(const LocalTime& time, std::string_view picture) const = 0;
};

// In the user's language and calendar: on Windows the user's locale, in the
// portable build the English one.
const DateTimeFormat& userDateTimeFormat();

// English names and the Gregorian calendar on every system, for output that
// must not depend on the machine it is made on.
const DateTimeFormat& englishDateTimeFormat();

}  // namespace vrx
