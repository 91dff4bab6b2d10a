#include <windows.h>

#include "Utils/DateTimeFormat.h"
#include "Utils/WideText_win.h"

namespace vrx {
namespace {

SYSTEMTIME systemTimeOf(const LocalTime& t) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDayOfWeek = static_cast<WORD>(t.weekday);
    st.wDay = static_cast<WORD>(t.day);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    st.wMilliseconds = static_cast<WORD>(t.millisecond);
    return st;
}

// GetDateFormatW and GetTimeFormatW take the same arguments: asked once for
// the length and once for the text, so no picture is cut short.
template <typename Function>
std::optional<std::string> formatWith(Function function, const LocalTime& t, std::string_view picture) {
    const SYSTEMTIME st = systemTimeOf(t);
    const std::wstring widePicture = toWide(picture);
    const int size = function(LOCALE_USER_DEFAULT, 0, &st, widePicture.c_str(), nullptr, 0);
    if (size <= 0) return std::nullopt;
    std::wstring text(static_cast<size_t>(size), L'\0');
    if (function(LOCALE_USER_DEFAULT, 0, &st, widePicture.c_str(), text.data(), size) <= 0) return std::nullopt;
    text.resize(static_cast<size_t>(size) - 1);
    return toUtf8(text);
}

// https://learn.microsoft.com/windows/win32/api/datetimeapi/nf-datetimeapi-getdateformatw
class UserDateTimeFormat final : public DateTimeFormat {
public:
    std::optional<std::string> date(const LocalTime& t, std::string_view picture) const override {
        return formatWith(GetDateFormatW, t, picture);
    }
    std::optional<std::string> time(const LocalTime& t, std::string_view picture) const override {
        return formatWith(GetTimeFormatW, t, picture);
    }
};

}  // namespace

const DateTimeFormat& userDateTimeFormat() {
    static const UserDateTimeFormat format;
    return format;
}

}  // namespace vrx
