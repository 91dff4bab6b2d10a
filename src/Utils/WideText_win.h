#pragma once

#include <string>
#include <string_view>

namespace vrx {

// UTF-8 inside the program, UTF-16 at the Windows API: these two are the
// only crossing.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

}  // namespace vrx
