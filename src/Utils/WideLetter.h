#pragma once

namespace vrx {

// Whether the C runtime counts the character as a letter (iswalpha), so
// that texts with variables such as "${M月d日}" read alike on every system.
bool isWideLetter(char32_t c);

}  // namespace vrx
