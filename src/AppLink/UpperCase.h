#pragma once

#include <string>
#include <string_view>

namespace vrx {

// The text in upper case by the rules of the user's language, as the
// system compares executable paths (c:\spiele\über.exe and C:\SPIELE\ÜBER.EXE
// name the same file).
std::string upperCase(std::string_view utf8);

}  // namespace vrx
