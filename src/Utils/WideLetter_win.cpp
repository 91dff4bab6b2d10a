#include <cwctype>

#include "Utils/WideLetter.h"

namespace vrx {

// wchar_t holds one UTF-16 unit: a character beyond it is two surrogates,
// which are no letters.
bool isWideLetter(char32_t c) { return c <= 0xFFFF && std::iswalpha(static_cast<wint_t>(c)) != 0; }

}  // namespace vrx
