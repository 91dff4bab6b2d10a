#include "Utils/Clock.h"

#include <chrono>
#include <ctime>

namespace vrx {
namespace {

class SystemClock final : public Clock {
public:
    LocalTime now() const override {
        using namespace std::chrono;
        const auto now = system_clock::now();
        const std::time_t seconds = system_clock::to_time_t(now);
        std::tm local{};
#ifdef _WIN32
        localtime_s(&local, &seconds);
#else
        localtime_r(&seconds, &local);
#endif
        LocalTime time;
        time.year = local.tm_year + 1900;
        time.month = local.tm_mon + 1;
        time.day = local.tm_mday;
        time.weekday = local.tm_wday;
        time.hour = local.tm_hour;
        time.minute = local.tm_min;
        time.second = local.tm_sec;
        time.millisecond = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
        return time;
    }
};

// The number the count digits from text[at] write; -1 when one is no digit.
int digitsAt(std::string_view text, size_t at, size_t count) {
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

const Clock& systemClock() {
    static const SystemClock clock;
    return clock;
}

std::optional<LocalTime> localTimeFromIso(std::string_view text) {
    constexpr std::string_view kShape = "0000-00-00T00:00:00";
    if (text.size() != kShape.size()) return std::nullopt;
    for (size_t i = 0; i < kShape.size(); ++i)
        if (kShape[i] != '0' && text[i] != kShape[i]) return std::nullopt;

    LocalTime time;
    time.year = digitsAt(text, 0, 4);
    time.month = digitsAt(text, 5, 2);
    time.day = digitsAt(text, 8, 2);
    time.hour = digitsAt(text, 11, 2);
    time.minute = digitsAt(text, 14, 2);
    time.second = digitsAt(text, 17, 2);
    using namespace std::chrono;
    const year_month_day date{year{time.year}, month{static_cast<unsigned>(time.month)},
                              day{static_cast<unsigned>(time.day)}};
    // Windows formats dates from 1601 on, and no clock shows a 60th second.
    if (time.year < 1601 || !date.ok() || time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59 ||
        time.second < 0 || time.second > 59)
        return std::nullopt;
    time.weekday = static_cast<int>(weekday{sys_days{date}}.c_encoding());
    return time;
}

}  // namespace vrx
