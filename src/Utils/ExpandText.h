#pragma once

#include <string>
#include <string_view>

#include "Utils/Clock.h"
#include "Utils/DateTimeFormat.h"

namespace vrx {

// A paste text as it is typed: "\n" (backslash, n) becomes a line break
// (CR LF), and "${name}" with a name of letters becomes the current time
// written with the name as a time picture when it starts with H, h, m or s
// ("${HH}:${mm}"), or the current date with it as a date picture when it
// starts with M, d or y ("${yyyy}-${MM}-${dd}", "${dddd}"). Anything else,
// other names included, is copied as it is. The result grows with what the
// variables write, however many there are.
std::string ExpandText(std::string_view source, const Clock& clock,
                       const DateTimeFormat& format = userDateTimeFormat());

}  // namespace vrx
