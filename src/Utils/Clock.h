#pragma once

#include <optional>
#include <string_view>

namespace vrx {

// A moment in the user's local time, as the log's time stamps and the date
// and time variables of pasted texts show it.
struct LocalTime {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
    int weekday = 4;  // 0 Sunday to 6 Saturday; 1 January 1970 was a Thursday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Where "now" comes from, so that tests and the simulator can fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

// The running system's local time.
const Clock& systemClock();

class FixedClock final : public Clock {
public:
    explicit FixedClock(const LocalTime& time) : time_(time) {}
    LocalTime now() const override { return time_; }

private:
    LocalTime time_;
};

// The time of "2026-03-05T14:07:09", its weekday worked out; nothing when the
// text has another shape or names no real date or time of day.
std::optional<LocalTime> localTimeFromIso(std::string_view text);

}  // namespace vrx
