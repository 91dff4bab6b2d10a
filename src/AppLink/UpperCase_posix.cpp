#include <locale.h>
#include <wctype.h>

#include "AppLink/UpperCase.h"
#include "Utils/Utf8.h"

namespace vrx {
namespace {

// The process's own locale is "C", which upper-cases ASCII only; the
// Unicode one is asked on its own, without changing the process's.
locale_t unicodeLocale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    return locale;
}

}  // namespace

std::string upperCase(std::string_view utf8) {
    const locale_t locale = unicodeLocale();
    std::string out;
    out.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        char32_t c = nextCodePoint(utf8, at);
        if (c >= 'a' && c <= 'z') {
            c -= 'a' - 'A';
        } else if (c >= 0x80 && locale != locale_t{}) {
            c = static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), locale));
        }
        appendUtf8(out, c);
    }
    return out;
}

}  // namespace vrx
