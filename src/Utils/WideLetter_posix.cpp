#include <locale.h>
#include <wctype.h>

#include "Utils/WideLetter.h"

namespace vrx {
namespace {

bool isAsciiLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The process's own locale is "C", which knows no letters beyond ASCII; the
// Unicode one is asked on its own, without changing the process's.
locale_t unicodeLocale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    return locale;
}

}  // namespace

bool isWideLetter(char32_t c) {
    if (c < 0x80) return isAsciiLetter(c);
    const locale_t locale = unicodeLocale();
    return locale != locale_t{} && iswalpha_l(static_cast<wint_t>(c), locale) != 0;
}

}  // namespace vrx
